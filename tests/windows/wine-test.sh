#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows test program under Wine, for ctest (the build's
# CMAKE_CROSSCOMPILING_EMULATOR). Wine does not hand a program's standard
# output to a pipe, so Qt Test writes its results to a file, shown here; and
# Wine keeps the QT_ variables of the Linux side from its programs, so those
# of the test (the platform, the scale factor) are set again inside, by cmd.
#   wine-test.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
program=$1
shift
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tramolo/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# Wine's first start builds its prefix, slowly on a fresh machine: it is
# built once, by whichever test comes first, and finished before any test runs.
mkdir -p "$(dirname "$WINEPREFIX")"
flock "$WINEPREFIX.lock" bash -c '[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i; wineserver -w; }' \
    > /dev/null 2>&1
results=$(mktemp --suffix=.txt)
script=$(mktemp --suffix=.bat)
trap 'rm -f "$results" "$script"' EXIT
windows() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
{
    while IFS='=' read -r name value; do
        echo "@set \"$name=$value\""
    done < <(env | grep '^QT_')
    line="@\"$(windows "$program")\""
    for argument in "$@"; do
        line+=" \"$argument\""
    done
    echo "$line -o \"$(windows "$results"),txt\""
    echo '@exit /b %ERRORLEVEL%'
} > "$script"
errors=$(mktemp)
trap 'rm -f "$results" "$script" "$errors"' EXIT

# Wine's threads library can leave a test program hanging at its exit once
# a thread of its own has ended (a Wine fault: Windows ends it). Qt Test's
# last line says the results are whole: from then on the program is not
# waited for, and its status is what its results say.
run() {
    wine cmd /c "$(windows "$script")" > /dev/null 2> "$errors" &
    local wine=$!
    while kill -0 "$wine" 2> /dev/null; do
        if grep -q '^\*\*\*\*\*\*\*\*\* Finished testing of' "$results" 2> /dev/null; then
            local pid
            for pid in $(pgrep -f '^Z:'); do
                tr '\0' ' ' < "/proc/$pid/cmdline" 2> /dev/null | grep -qF "$(windows "$program") -o " \
                    && kill "$pid" 2> /dev/null
            done
            wait "$wine"
            grep -Eq '^Totals: [0-9]+ passed, 0 failed' "$results"
            return
        fi
        sleep 0.2
    done
    wait "$wine"
}
run
status=$?
# A program that ran wrote its results. None means Wine itself did not start
# it (a wineserver still shutting down after the test before takes no new
# clients): once that server has ended, it is started again.
if [ "$status" -ne 0 ] && [ ! -s "$results" ]; then
    wineserver -w
    run
    status=$?
fi
cat "$results"
[ -s "$results" ] || tail -n 20 "$errors"
exit $status
