#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs each fuzz target of the sanitizer build for a bounded time, on a copy
# of its corpus, so that the corpus kept in the repository stays small.
#   fuzz.sh [SECONDS_EACH]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
seconds=${1:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for target in answer numbers register; do
    cp -r "tests/fuzz/corpus/$target" "$work/$target"
    echo "fuzz: $target for $seconds s"
    if (cd "$work" && QT_QPA_PLATFORM=offscreen \
            LSAN_OPTIONS=suppressions="$repo/tests/fuzz/lsan.supp" \
            "$repo/build-asan/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
            -artifact_prefix="$work/$target-" "$work/$target" > "$work/$target.log" 2>&1); then
        grep -E 'DONE|Done' "$work/$target.log" | tail -2
    else
        status=1
        tail -40 "$work/$target.log"
        for artifact in "$work/$target"-*; do
            [ -e "$artifact" ] && echo "fuzz: failing input: $(base64 -w0 < "$artifact")"
        done
    fi
done
[ $status -eq 0 ] && echo "3 passed, 0 failed" || echo "fuzzing found a fault"
exit $status
