#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end under Wine, as a lab would use the Windows build: the installer
# run silently, the installed program started from Program Files and walked
# from the splash to an answered cube exercise and the calculator, closed,
# then uninstalled silently. The installer presets the class register's
# folder, so the pupil says who she is and her answer reaches the folder. Qt's Windows accessibility does not reach
# Linux's tree through Wine, so the walk reads window titles and states
# (xdotool, xprop) and the screen.
#   walk.sh BUILD_DIR CALC_STAND_IN.exe
set -euo pipefail
build=$(realpath "$1")
stand_in=$(realpath "$2")
scratch=$(mktemp -d)
passed=0

export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export TRAMOLO_CALC_RECORD='C:\calc-started.txt'
record=$WINEPREFIX/drive_c/calc-started.txt

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    wineserver -k 2> /dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# What a failure's log needs to be understood: the program's state and
# output, and the windows the window manager knows.
report() {
    if [ -n "${program:-}" ]; then
        kill -0 "$program" 2> /dev/null && echo "program: running" || echo "program: ended"
        echo "program's output:"; sed 's/^/  /' "$scratch/program.log" 2> /dev/null
    fi
    [ -n "${DISPLAY:-}" ] || return 0
    echo "windows the window manager knows (active $(active_window)):"
    for id in $(xprop -root _NET_CLIENT_LIST 2> /dev/null | grep -o '0x[0-9a-f]*'); do
        echo "  $id $(xprop -id "$id" _NET_WM_NAME _NET_WM_STATE 2> /dev/null | tr '\n' ' ')"
    done
    import -window root "$build/wine-walk-failure.png" 2> /dev/null &&
        echo "the screen is in $build/wine-walk-failure.png"
}
fail() {
    echo "FAIL: $*"
    report
    echo "$passed passed, 1 failed"
    exit 1
}
ok() { echo "ok: $*"; passed=$((passed + 1)); }
# Any other command that fails ends the walk through fail(), which says so.
trap 'fail "the command on line $LINENO failed"' ERR
# Waits for a state, never for a time: the deadline is only how long a
# loaded machine running Wine for the first time may take.
wait_for() { # wait_for WHAT COMMAND...: up to 120 s
    local what=$1
    shift
    for _ in $(seq 1200); do
        if "$@" > /dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    fail "waited in vain for $what"
}

# A private display with a window manager, as on a desktop.
for n in $(seq 120 160); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { display=:$n; break; }
done
# -noreset: a server that starts itself anew when its last client leaves
# turns away whoever connects meanwhile.
Xvfb "$display" -noreset -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
wait_for "the X display" xdpyinfo
openbox > /dev/null 2>&1 &
pids+=($!)
# A key sent before the window manager has taken the screen lands nowhere.
wait_for "the window manager" bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
# The prefix is built on Wine's first start, slowly on a fresh machine: the
# walk starts once wineserver has finished with it.
wineboot -i > /dev/null 2>&1
wineserver -w

# The installer and the zip, as cpack makes them.
(cd "$build" && cpack > "$scratch/cpack.log") || { cat "$scratch/cpack.log"; fail "cpack"; }
installer=$(ls "$build"/tramolo-*-windows-x64.exe)
portable=$(ls "$build"/tramolo-*-windows-x64.zip)
contents=$(unzip -Z1 "$portable")
for file in tramolo.exe LICENZA.txt LEGGIMI.txt licenze-qt/LGPL-3.0-only.txt; do
    grep -q "/$file\$" <<< "$contents" || fail "the zip lacks $file"
done
ok "the zip holds the program, its licence, LEGGIMI.txt and Qt's notices"

mkdir -p "$WINEPREFIX/drive_c/registro"
wine "$installer" /S '/REGISTRO=C:\registro' > /dev/null 2>&1 || fail "the silent install"
folder="$WINEPREFIX/drive_c/Program Files/Il Tramolo"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Il Tramolo"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Il Tramolo'
[ -f "$folder/tramolo.exe" ] || fail "not installed into Program Files"
[ -f "$menu/Il Tramolo.lnk" ] || fail "no Start-menu entry"
wine reg query "$uninstall_key" /v UninstallString > /dev/null 2>&1 || fail "no uninstaller registered"
register_key='HKLM\Software\Brenvo\tramolo\registro'
wine reg query "$register_key" /v cartella /reg:64 2> /dev/null | grep -q 'C:\\registro' ||
    fail "the register's folder is not in the machine's 64-bit settings"
ok "installed silently into Program Files, with a Start-menu entry, its uninstaller and the register's folder"

window_of() { xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1; }
title_of() { xdotool getwindowname "$1"; }
active_window() { xprop -root _NET_ACTIVE_WINDOW 2> /dev/null | grep -o '0x[0-9a-f]*'; }
is_active() { [ "$(active_window)" = "$(printf '0x%x' "$1")" ]; }
# Keys go to the window that has the focus: the window is asked for once,
# and the keys are sent when the window manager says it is active.
activate() {
    is_active "$1" || xdotool windowactivate "$1" 2> /dev/null || true
    wait_for "window $1 to be active" is_active "$1"
}
send_keys() { local window=$1; shift; activate "$window"; xdotool key --delay 100 "$@"; }
# The window's picture, and how many of its pixels differ from another one.
capture() { import -window "$1" "$2"; }
# compare exits 1 when the pictures differ, and may write the count as 1.2e+06.
differing() { local n; n=$(compare -metric AE "$1" "$2" null: 2>&1) || true; printf '%.0f\n' "${n%% *}"; }

cp "$stand_in" "$WINEPREFIX/drive_c/windows/calc.exe"
(cd "$folder" && exec wine tramolo.exe > "$scratch/program.log" 2>&1) &
program=$!
wait_for "the splash" xdotool search --onlyvisible --class tramolo.exe
splash=$(xdotool search --onlyvisible --class tramolo.exe | head -n 1)
choice_title="^Clicca per iniziare {26}\$"
send_keys "$splash" a
wait_for "\"Chi sei?\"" window_of '^Chi sei\?$'
who=$(window_of '^Chi sei\?$')
activate "$who"
xdotool type --delay 100 "Maria Rossi"
send_keys "$who" Tab
xdotool type --delay 100 "3B"
send_keys "$who" Return
wait_for "the choice window" window_of "$choice_title"
ok "a key passes the splash; the program finds the preset register and asks who is there"

send_keys "$(window_of "$choice_title")" Return
wait_for "the cube window" window_of '^Ripassiamo le formule del cubo$'
cube=$(window_of '^Ripassiamo le formule del cubo$')
maximised() { xprop -id "$cube" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
wait_for "the cube window maximised" maximised
[ -z "$(window_of "$choice_title")" ] || fail "the choice window stays open"
ok "\"Cubi\" opens the cube window maximised, with its descriptive title"

# The window as first drawn: its exercise painted (many colours) and the
# picture settled. The clock changes a few hundred pixels at most; the verdict
# and the scores, thousands.
drawn() {
    capture "$cube" "$scratch/before.png" && capture "$cube" "$scratch/again.png" &&
        [ "$(identify -format %k "$scratch/before.png")" -gt 20 ] &&
        [ "$(differing "$scratch/before.png" "$scratch/again.png")" -lt 1000 ]
}
wait_for "the cube window drawn" drawn
send_keys "$cube" 1 Return
answered() {
    capture "$cube" "$build/wine-cube.png" &&
        [ "$(differing "$scratch/before.png" "$build/wine-cube.png")" -gt 1000 ]
}
wait_for "the verdict and the scores on the screen" answered
difference=$(differing "$scratch/before.png" "$build/wine-cube.png")
ok "an answer is checked: $difference pixels of the window change (the verdict and the scores)"
recorded() { grep -q ';3B;Maria Rossi;Cubo;' "$WINEPREFIX/drive_c/registro/3B - Maria Rossi - "*.csv; }
wait_for "the answer in the register's folder" recorded
ok "the answer is in the register: $(basename "$WINEPREFIX/drive_c/registro/3B - Maria Rossi - "*.csv)"

wmctrl -i -r "$cube" -b remove,maximized_vert,maximized_horz
clock() { title_of "$cube" | grep -Eq '^(0[0-9]|1[0-2]):[0-5][0-9] (AM|PM)$'; }
wait_for "the clock in the title" clock
ok "restored, the title is the clock: $(title_of "$cube")"

# "Calcolatrice" is the menu bar's third entry: Alt, twice right, Enter.
calculator() { send_keys "$cube" alt Right Right Return; }
calculator
wait_for "the calculator to start" test -s "$record"
[ "$(tr -d '\r' < "$record")" = show=2 ] || fail "the calculator was not asked to start minimised: $(cat "$record")"
ok "\"Calcolatrice\" starts calc.exe minimised"

rm "$WINEPREFIX/drive_c/windows/calc.exe"
calculator
wait_for "the message" window_of '^Il Tramolo$'
send_keys "$(window_of '^Il Tramolo$')" Return
wait_for "the message to close" bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^Il Tramolo\$')\" ]"
ok "without calc.exe, the pupil gets the message"

send_keys "$cube" alt+F4
wait_for "the program to end once its window is closed" bash -c "! kill -0 $program"
ok "closing the window ends the program"

wine "$folder/Disinstalla.exe" /S > /dev/null 2>&1 || fail "the silent uninstall"
# The uninstaller goes on from a copy of itself, in the background: each
# trace is waited for, since it removes them one after the other.
wait_for "the program to be removed" bash -c "[ ! -e \"$folder/tramolo.exe\" ]"
wait_for "the Start-menu entry to go" bash -c "[ ! -e \"$menu/Il Tramolo.lnk\" ]"
wait_for "the uninstaller's registration to go" bash -c "! wine reg query '$uninstall_key'"
wait_for "the register's setting to go" bash -c "! wine reg query '$register_key' /reg:64"
ok "the uninstaller removes the program, its menu entry and its registration"

echo "$passed passed, 0 failed"
