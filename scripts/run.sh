#!/usr/bin/env bash
# Installs what is missing, builds Il Tramolo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake --preset default
cmake --build --preset default --target tramolo
exec ./build/src/tramolo
