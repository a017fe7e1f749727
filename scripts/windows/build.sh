#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Il Tramolo for 64-bit Windows, here on Debian: installs what is
# missing, makes the static Windows Qt once (cached, tens of minutes the first
# time), cross-builds the program and packs the portable zip and the
# installer into build-windows/.
#   build.sh            everything, with the zip and the installer
#   build.sh --no-pack  the program and its tests only
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/setup.sh windows
qt=$(bash scripts/windows/build-qt.sh)
cmake --preset windows -DTRAMOLO_WINDOWS_QT="$qt" -DCMAKE_PREFIX_PATH="$qt"
cmake --build --preset windows
if [ "${1:-}" != --no-pack ]; then
    (cd build-windows && cpack)
    echo "windows: $(ls build-windows/tramolo-*-windows-x64.zip build-windows/tramolo-*-windows-x64.exe | tr '\n' ' ')"
fi
