#!/usr/bin/env bash
# Installs what is missing, builds Il Tramolo and runs the whole test suite:
# the normal build, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a minute of fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

bash scripts/fuzz.sh 30
