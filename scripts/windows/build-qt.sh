#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

set -euo pipefail

version=6.4.2
cache=${TRAMOLO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tramolo}
prefix=$cache/qt-$version-mingw64-static
work=$cache/qt-$version-work
here=$(cd "$(dirname "$0")" && pwd)
jobs=$(nproc)

# What the build says goes to standard error; standard output names the Qt.
exec 3>&1 1>&2

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# Debian's source packages, through a deb-src entry that lives only as long
# as the download does.
fetch_sources() {
    local list=/etc/apt/sources.list.d/tramolo-qt-sources.sources
    cleanup() { "${sudo[@]}" rm -f "$list"; "${sudo[@]}" apt-get update -qq || true; }
    trap cleanup EXIT
    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
        'Suites: bookworm' 'Components: main' \
        'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        "${sudo[@]}" tee "$list" > /dev/null
    "${sudo[@]}" apt-get update -qq
    mkdir -p "$work/src"
    (cd "$work/src" && apt-get source -q "$1")
    cleanup
    trap - EXIT
}

# source_dir PACKAGE VERSION: the unpacked source, fetched when missing.
source_dir() {
    local dir
    dir=$(find "$work/src" -maxdepth 1 -type d -name "$1-$2*" | head -n 1)
    if [ -z "$dir" ]; then
        fetch_sources "$1" >&2
        dir=$(find "$work/src" -maxdepth 1 -type d -name "$1-$2*" | head -n 1)
    fi
    echo "$dir"
}

# Debian's Qt 5 Svg source, ported to Qt 6 (after one mechanical rename,
# QStringRef to QStringView, by the patch beside this script).
ported=$work/qtsvg-ported
port_svg() {
    local svg
    svg=$(source_dir qtsvg-opensource-src 5.15.8)
    rm -rf "$ported"
    cp -r "$svg" "$ported"
    sed -i 's/\bQStringRef\b/QStringView/g; s#QtGui/qmatrix.h#QtGui/qtransform.h#' \
        "$ported"/src/svg/*.cpp "$ported"/src/svg/*.h
    patch -d "$ported" -p1 --quiet < "$here/qtsvg/qt6-port.patch"
}

# The web build only borrows the sources: unpacked and ported, not built.
if [ -n "${TRAMOLO_SOURCES_ONLY:-}" ]; then
    source_dir qt6-base "$version" > /dev/null
    port_svg
    exit 0
fi

# The cache is complete when each module the program links is there: an
# older one, made before print support was on, is built again.
if [ -f "$prefix/lib/cmake/Qt6PrintSupport/Qt6PrintSupportConfig.cmake" ] \
        && [ -f "$prefix/lib/cmake/Qt6Svg/Qt6SvgConfig.cmake" ] && [ -f "$prefix/notices/LGPL-3.0-only.txt" ]; then
    echo "$prefix" >&3
    exit 0
fi

# The toolchain file goes with the build, since Qt's own toolchain file points
# back at it and a work tree may be gone by the next time the cache is used.
mkdir -p "$prefix"
cp "$here/../../cmake/mingw-w64-x86_64.cmake" "$prefix/mingw-w64-x86_64.cmake"

common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake"
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
        -DCMAKE_INSTALL_PREFIX="$prefix"
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF)

# qtbase: only what a Widgets, Svg and PrintSupport program with Qt Test needs
# (print support brings its Windows print plugin); every third-party
# library from Qt's own copy, so nothing but Windows itself is needed beside
# the program. DirectWrite 3's font database is compiled into Qt Gui only
# with Direct2D, which MinGW's headers do not pass, while the platform plugin
# asks for it whenever DirectWrite 3 is on: the two must agree, so it is off
# and Windows' own font database serves. Debian's source leaves out the
# Wintab headers that tablet support needs; a drill program needs no pen.
if [ ! -f "$prefix/lib/cmake/Qt6PrintSupport/Qt6PrintSupportConfig.cmake" ]; then
base=$(source_dir qt6-base "$version")
rm -rf "$work/build-base"
cmake -S "$base" -B "$work/build-base" "${common[@]}" \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_directwrite3=OFF -DFEATURE_tabletevent=OFF \
    ${TRAMOLO_QT_EXTRA:-}
cmake --build "$work/build-base" --parallel "$jobs"
cmake --install "$work/build-base"
fi

# Qt Svg: the registry here serves no qt6-svg source, so the renderer is
# built from Debian's Qt 5 Svg source, ported.
if [ ! -f "$prefix/lib/cmake/Qt6Svg/Qt6SvgConfig.cmake" ]; then
port_svg
rm -rf "$work/build-svg"
cmake -S "$here/qtsvg" -B "$work/build-svg" "${common[@]}" -DQTSVG_SOURCE_DIR="$ported" \
    -DCMAKE_PREFIX_PATH="$prefix" -DTRAMOLO_WINDOWS_QT="$prefix"
cmake --build "$work/build-svg" --parallel "$jobs"
cmake --install "$work/build-svg"
fi

# The notices that a program linking this Qt must carry: Qt's own licence
# and those of the libraries built into it.
base=$(source_dir qt6-base "$version")
mkdir -p "$prefix/notices"
cp "$base/LICENSES/LGPL-3.0-only.txt" "$base/LICENSES/GPL-3.0-only.txt" "$prefix/notices/"
while read -r name file; do
    cp "$base/src/3rdparty/$file" "$prefix/notices/$name.txt"
done <<'LIST'
FreeType-FTL freetype/docs/FTL.TXT
HarfBuzz-MIT harfbuzz-ng/COPYING
PCRE2-BSD pcre2/LICENCE
zlib zlib/LICENSE
libpng libpng/LICENSE
double-conversion-BSD double-conversion/LICENSE
md4c-MIT md4c/LICENSE.md
LIST

echo "$prefix" >&3
