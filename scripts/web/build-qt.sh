#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Qt for WebAssembly once, from the same Debian sources as the Windows
# Qt, and prints where it is. The cache is keyed on the compiler's version,
# these options and the Svg patch: a change to any builds a new one.
set -euo pipefail

version=6.4.2
cache=${TRAMOLO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tramolo}
work=$cache/qt-$version-work
here=$(cd "$(dirname "$0")" && pwd)
windows=$here/../windows
jobs=$(nproc)
source "$here/emsdk.sh"

# qtbase: static, Widgets, PrintSupport (the worksheet's paper) and Test (the
# core's tests in the page) from the start; every third-party library from
# Qt's own copy. A page has no threads here (a plain web server cannot give
# the cross-origin isolation they need) and no SQL, network, D-Bus or ICU.
options=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
         -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
         -DCMAKE_TOOLCHAIN_FILE="$toolchain"
         -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
         -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
         -DFEATURE_thread=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
         -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF
         -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
         -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
         -DFEATURE_system_doubleconversion=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
         -DFEATURE_zstd=OFF -DFEATURE_printsupport=ON -DFEATURE_testlib=ON)
key=$( { emcc --version | head -n 1; printf '%s\n' "${options[@]}"; cat "$windows/qtsvg/qt6-port.patch" "$windows/qtsvg/CMakeLists.txt"; } |
      sha256sum | cut -c1-12)
prefix=$cache/qt-$version-wasm-$key

# The web preset finds the Qt in use through a fixed name.
if [ -f "$prefix/lib/cmake/Qt6Svg/Qt6SvgConfig.cmake" ] && [ -f "$prefix/notices/GPL-3.0-only.txt" ]; then
    ln -sfn "$prefix" "$cache/qt-$version-wasm"
    echo "$prefix"
    exit 0
fi

# What the build says goes to standard error; standard output names the Qt.
exec 3>&1 1>&2

# The sources the Windows build unpacks, fetched by it when missing.
base=$(find "$work/src" -maxdepth 1 -type d -name "qt6-base-$version*" 2>/dev/null | head -n 1)
ported=$work/qtsvg-ported
if [ -z "$base" ] || [ ! -d "$ported" ]; then
    TRAMOLO_SOURCES_ONLY=1 bash "$windows/build-qt.sh" > /dev/null
    base=$(find "$work/src" -maxdepth 1 -type d -name "qt6-base-$version*" | head -n 1)
fi

# A build stopped half-way goes on where it was.
cmake -S "$base" -B "$work/build-wasm-base" "${options[@]}" -DCMAKE_INSTALL_PREFIX="$prefix"
cmake --build "$work/build-wasm-base" --parallel "$jobs"
cmake --install "$work/build-wasm-base"

# Qt Svg: the Windows build's port of Debian's Qt 5 source builds unchanged.
cmake -S "$windows/qtsvg" -B "$work/build-wasm-svg" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=OFF -DQTSVG_SOURCE_DIR="$ported" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DTRAMOLO_WINDOWS_QT="$prefix"
cmake --build "$work/build-wasm-svg" --parallel "$jobs"
cmake --install "$work/build-wasm-svg"

# The notices a page made with this Qt must carry.
mkdir -p "$prefix/notices"
cp "$base/LICENSES/LGPL-3.0-only.txt" "$base/LICENSES/GPL-3.0-only.txt" "$prefix/notices/"
rm -rf "$work/build-wasm-base" "$work/build-wasm-svg"
ln -sfn "$prefix" "$cache/qt-$version-wasm"
echo "$prefix" >&3
