#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build writes a worksheet under Wine; pdftotext must read in it
# the very text it reads in the Linux build's sheet of the same number and
# choices, and that text must hold the whole sheet.
#   worksheet.sh WINDOWS-TOOL.exe LINUX-TOOL
set -euo pipefail
windows_tool=$1
linux_tool=$2
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tramolo/wine}
export WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$(dirname "$WINEPREFIX")"
flock "$WINEPREFIX.lock" bash -c '[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i; wineserver -w; }' \
    > /dev/null 2>&1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windows() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

# Wine keeps the Linux side's QT_ variables from its programs: they are set
# inside, as the Qt Test programs get them.
{
    echo '@set "QT_QPA_PLATFORM=offscreen"'
    echo '@set "QT_QPA_FONTDIR=Z:\usr\share\fonts\truetype\liberation2"'
    echo "@\"$(windows "$windows_tool")\" \"Z:${work//\//\\}\\windows.pdf\" 4321 12 2"
    echo '@exit /b %ERRORLEVEL%'
} > "$work/sheet.bat"
wine cmd /c "$(windows "$work/sheet.bat")" > "$work/wine.log" 2>&1 || { cat "$work/wine.log" "$work/sheet.bat"; fail "the Windows build wrote no sheet"; }
[ -s "$work/windows.pdf" ] || fail "no sheet under Wine"
QT_QPA_PLATFORM=offscreen "$linux_tool" "$work/linux.pdf" 4321 12 2 || fail "the Linux build wrote no sheet"

pdftotext "$work/windows.pdf" "$work/windows.txt"
pdftotext "$work/linux.pdf" "$work/linux.txt"
# The words, in order; where a paragraph wraps is the fonts' business (the
# same font, hinted by FreeType here and by Windows there, may end a line
# one word sooner).
words() { tr -s ' \n' '\n\n' < "$1"; }
diff -u <(words "$work/linux.txt") <(words "$work/windows.txt") > "$work/diff.txt" \
    || { head -40 "$work/diff.txt"; fail "another text under Wine"; }
exercises=$(grep -c '^Esercizio [0-9]* · ' "$work/windows.txt" || true)
solutions=$(grep -cE '^[0-9]+\. ([0-9]|[A-Za-z0-9]+ = )' "$work/windows.txt" || true)
[ "$exercises" -eq 24 ] || fail "$exercises exercises in two versions of 12"
[ "$solutions" -eq 24 ] || fail "$solutions solution lines in two versions of 12"
echo "the same sheet under Wine: $(wc -l < "$work/windows.txt") lines, 2 versions of 12 exercises with solutions"
echo "1 passed, 0 failed"
