#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The walks as a lab PC runs them during an antivirus scan: ROUNDS rounds of
# the end-to-end walks of an already built tree, each from a cold page cache
# and with the desktop's per-user caches gone, while stress-ng keeps four
# workers on the processors and one on the disk. Needs root (the page cache)
# and stress-ng.
#   under-load.sh BUILD-DIR [ROUNDS]
set -euo pipefail
build=$(cd "$1" && pwd)
rounds=${2:-5}
command -v stress-ng > /dev/null || { echo "under-load: stress-ng is not installed" >&2; exit 2; }

stress-ng --cpu 4 --io 1 --quiet &
load=$!
trap 'kill "$load" 2> /dev/null || true; wait "$load" 2> /dev/null || true' EXIT

failed=0
for round in $(seq 1 "$rounds"); do
    sync
    echo 3 > /proc/sys/vm/drop_caches
    rm -rf "${XDG_CACHE_HOME:-$HOME/.cache}"/{at-spi,dconf,fontconfig,mesa_shader_cache,openbox}
    started=$(date +%s)
    if (cd "$build" && ctest -L e2e --output-on-failure); then
        echo "under-load: round $round green in $(( $(date +%s) - started )) s"
    else
        echo "under-load: round $round FAILED after $(( $(date +%s) - started )) s"
        failed=1
    fi
done
exit "$failed"
