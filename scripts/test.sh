#!/usr/bin/env bash
# Installs what is missing, builds Il Tramolo and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
cmake --preset default
cmake --build --preset default
ctest --preset default
