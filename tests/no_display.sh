#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Without a display the program says so in one line and ends with status 1,
# whether no display is named at all or the one named cannot be reached.
#   no_display.sh PROGRAM
set -u
program=$1
fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

for display in "" ":999"; do
    output=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" XDG_RUNTIME_DIR=/tmp \
             "$program" 2>&1 < /dev/null)
    status=$?
    [ $status -eq 1 ] || fail "DISPLAY='$display': status $status"
    [ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || fail "DISPLAY='$display': more than one line: $output"
    [[ $output == *"nessuno schermo"* ]] || fail "DISPLAY='$display': unclear message: $output"
done
echo "1 passed, 0 failed"
