#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Il Tramolo as a web page, here on Debian: installs what is missing,
# makes Qt for WebAssembly once (cached in ~/.cache/tramolo), then builds
# the page and the core's tests into build-web/. Try it with
#   cd build-web && python3 -m http.server
# and open http://localhost:8000/ in a browser.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/setup.sh web
qt=$(bash scripts/web/build-qt.sh)
cache=${TRAMOLO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tramolo}
source scripts/web/emsdk.sh

# The page's icons are drawn by the desktop build's own tool.
[ -f build/CMakeCache.txt ] || cmake --preset default > /dev/null
cmake --build build --target tramolo-render-icon > /dev/null
cmake --preset web -DTRAMOLO_WEB_QT="$qt" -DTRAMOLO_ICON_RENDERER="$PWD/build/tools/tramolo-render-icon"
cmake --build --preset web
# For servers that send precompressed files as they are.
gzip -9 -k -f build-web/tramolo.wasm
wc -c < build-web/tramolo.wasm.gz | awk '{ printf "web: build-web/index.html, tramolo.wasm %.1f MB gzipped\n", $1 / 1e6 }'
