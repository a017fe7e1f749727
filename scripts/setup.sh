#!/usr/bin/env bash
# Installs through apt what Il Tramolo needs and this machine lacks.
#   setup.sh run   what building and running the program takes
#   setup.sh test  that, and what the test suite takes besides
set -euo pipefail

mode=${1:-run}
packages=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev fonts-liberation2
          x11-apps) # x11-apps: xcalc, the smallest calculator for the "Calcolatrice" menu
if [ "$mode" = test ]; then
    # The end-to-end walks: a private X display, a window manager, a D-Bus
    # session with the accessibility bus, and keys sent as real X events.
    packages+=(xvfb openbox dbus at-spi2-core python3 python3-pyatspi xdotool)
    # Installing and packaging: validators for the desktop entry and the
    # metainfo, and what CPack needs to work out the package's dependencies.
    packages+=(desktop-file-utils appstream dpkg-dev file)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: everything needed is installed already."
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
    echo "setup: installing needs administrator rights; sudo may ask for your password."
fi
echo "setup: installing with apt: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
echo "setup: done."
