#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the web build's scripts: Debian's emscripten, laid out where Qt
# looks for an Emscripten SDK.
#
# Qt finds emscripten through an EMSDK folder holding a .emscripten file and
# upstream/emscripten; Debian installs it elsewhere, so a small stand-in
# folder in the cache points there. Node, run by em++, does not look in
# Debian's own module folder for acorn, so NODE_PATH names it.

emscripten_root=$(dirname "$(dpkg -L emscripten | grep '/emcc\.py$' | head -n 1)")
export EMSCRIPTEN=$emscripten_root
export NODE_PATH=$(dirname "$(dirname "$(dpkg -L node-acorn | grep '/acorn/package\.json$' | head -n 1)")")
export EMSDK=$cache/emsdk
mkdir -p "$EMSDK/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" > "$EMSDK/.emscripten"
ln -sfn /usr/bin/emcc "$EMSDK/upstream/emscripten/emcc"
ln -sfn /usr/bin/em++ "$EMSDK/upstream/emscripten/em++"
ln -sfn "$emscripten_root/cmake" "$EMSDK/upstream/emscripten/cmake"
toolchain=$emscripten_root/cmake/Modules/Platform/Emscripten.cmake
