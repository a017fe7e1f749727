#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs through apt what Il Tramolo needs and this machine lacks.
#   setup.sh run   what building and running the program takes
#   setup.sh test  that, and what the test suite takes besides
#   setup.sh windows  what the Windows build takes
#   setup.sh web   what the web page's build and its browser tests take
set -euo pipefail

mode=${1:-run}
packages=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev fonts-liberation2
          qt6-translations-l10n # Qt's own Italian words, built into the program
          x11-apps # x11-apps: xcalc, the smallest calculator for the "Calcolatrice" menu
          # "Leggi": Qt's text to speech (its CMake files want Qt Qml's), and
          # speech-dispatcher with espeak-ng's Italian voice.
          qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher-espeak-ng)
if [ "$mode" = test ] || [ "$mode" = windows ]; then
    # The Windows build: MinGW-w64, Debian's Qt tools for the build steps, and
    # CPack's NSIS for the installer.
    packages+=(mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix ninja-build
               qt6-base-dev-tools dpkg-dev patch nsis zip)
fi
if [ "$mode" = test ] || [ "$mode" = web ]; then
    # The web page: Debian's emscripten (em++ wants Node's acorn, which
    # Debian keeps apart), Qt's host tools and the sources' tools as for
    # Windows, and headless Chromium driven through the DevTools protocol.
    packages+=(emscripten node-acorn qt6-base-dev-tools ninja-build dpkg-dev patch
               python3-websocket poppler-utils)
fi
if [ "$mode" = test ]; then
    # Its tests and walk: Wine on a private X display, read by title and screen.
    packages+=(wine64 wine unzip imagemagick wmctrl x11-utils)
    # The worksheets' text, read back from their PDFs.
    packages+=(poppler-utils)
    # The end-to-end walks: a private X display, a window manager, a D-Bus
    # session with the accessibility bus, and keys sent as real X events.
    packages+=(xvfb openbox dbus at-spi2-core python3 python3-pyatspi xdotool)
    # Installing and packaging: validators for the desktop entry and the
    # metainfo, and what CPack needs to work out the package's dependencies.
    packages+=(desktop-file-utils appstream dpkg-dev file)
    # The sanitizer build and the fuzz targets: clang with its runtimes.
    packages+=(clang)
    # Every file carries its licence: the REUSE checker.
    packages+=(reuse)
fi

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
updated=
update_once() {
    if [ -z "$updated" ]; then
        [ ${#sudo[@]} -eq 0 ] || echo "setup: installing needs administrator rights; sudo may ask for your password."
        "${sudo[@]}" apt-get update -q
        updated=yes
    fi
}
install() {
    update_once
    echo "setup: installing with apt: $*"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"

# libFuzzer comes with clang's runtime libraries, packaged by clang's version.
if [ "$mode" = test ]; then
    version=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
    runtime=libclang-rt-$version-dev
    if ! installed "$runtime"; then
        update_once
        if apt-cache show "$runtime" > /dev/null 2>&1; then
            install "$runtime"
        fi
    fi
fi
# Debian's Chromium for the browser tests; Ubuntu's is a snap stub, with
# which the browser tests are skipped, not failed.
if { [ "$mode" = test ] || [ "$mode" = web ]; } && ! installed chromium; then
    update_once
    # Read whole before looking: grep -q stops at the first match, and with
    # pipefail apt-cache's broken pipe would count as no package.
    package=$(apt-cache show chromium 2> /dev/null || true)
    if grep -q '^Version:' <<< "$package" && ! grep -qi 'snap' <<< "$package"; then
        install chromium
    else
        echo "setup: no Chromium package here other than a snap stub: the browser tests will be skipped."
    fi
fi
echo "setup: everything needed is installed."
