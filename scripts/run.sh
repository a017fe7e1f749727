#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Il Tramolo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake --preset default
cmake --build --preset default --target tramolo
exec ./build/src/tramolo
