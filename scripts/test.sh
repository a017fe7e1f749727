#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Il Tramolo and runs the whole test suite:
# the normal build, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, half a minute of fuzzing for each reader, then
# the Windows build: its tests and the installer's walk under Wine; last the
# web page: the core's tests and a walk in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test

# Every file says whose it is and under which licence.
reuse lint --quiet || { reuse lint | tail -n 20; exit 1; }

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

bash scripts/fuzz.sh 30

# The Qt for Windows is built once and kept in ~/.cache/tramolo.
bash scripts/windows/build.sh --no-pack
ctest --preset windows

# The Qt for WebAssembly too is built once and kept in ~/.cache/tramolo;
# the core's tests and the page's walk run in headless Chromium.
bash scripts/web/build.sh
ctest --preset web
