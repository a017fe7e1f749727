#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built program into a scratch root, validates its desktop entry
# and metainfo, builds the Debian package and looks inside it.
#   check_install.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr > /dev/null
app=it.brenvo.Tramolo
for file in usr/bin/tramolo \
            usr/share/applications/$app.desktop \
            usr/share/metainfo/$app.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$app.svg \
            usr/share/icons/hicolor/48x48/apps/$app.png \
            usr/share/icons/hicolor/256x256/apps/$app.png; do
    [ -s "$root/$file" ] || fail "not installed: $file"
done
[ -x "$root/usr/bin/tramolo" ] || fail "the program is not executable"
# The modules lie where the program looks, lib/tramolo beside its bin/; the
# program links neither Qt library they hold, and each module is the Qt
# plugin of its interface.
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
for module in speech:TextToSpeech:SpeechModule print:PrintSupport:PrintModule; do
    IFS=: read -r name library interface <<< "$module"
    # The interface's identifier as its header gives it, version included:
    # a module built against an older interface is not taken.
    header=$(find "$(dirname "$0")/../../src/widgets" -name "$interface.h")
    iid=$(sed -n 's/^#define TRAMOLO_[A-Z_]*_IID "\(.*\)"$/\1/p' "$header")
    [ -n "$iid" ] || fail "no identifier in $header"
    file=$root/usr/lib/tramolo/tramolo-$name.so
    [ -s "$file" ] || fail "not installed: usr/lib/tramolo/tramolo-$name.so"
    needed "$file" | grep -q "libQt6$library" || fail "tramolo-$name.so does not link Qt $library"
    needed "$root/usr/bin/tramolo" | grep -q "libQt6$library" && fail "the program links Qt $library itself"
    grep -qaF "$iid" "$file" || fail "tramolo-$name.so is not the $interface $iid"
done
desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" > "$scratch/as.log" \
    || { cat "$scratch/as.log"; fail "metainfo"; }
grep -q '^Categories=Education;Math;$' "$root/usr/share/applications/$app.desktop" || fail "categories"

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/package" > cpack.log) \
    || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 fonts-liberation2; do
    [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for wanted in qt6-speech-speechd-plugin speech-dispatcher-espeak-ng; do
    [[ $recommends == *"$wanted"* ]] || fail "the package does not recommend $wanted: $recommends"
done
dpkg-deb -x "$deb" "$scratch/unpacked"
[ -x "$scratch/unpacked/usr/bin/tramolo" ] || fail "the package has no program"
for name in speech print; do
    [ -s "$scratch/unpacked/usr/lib/tramolo/tramolo-$name.so" ] || fail "the package has no $name module"
done
[ -s "$scratch/unpacked/usr/share/applications/$app.desktop" ] || fail "the package has no menu entry"
grep -q '^License: GPL-3+$' "$scratch/unpacked/usr/share/doc/tramolo/copyright" \
    || fail "the package has no copyright file naming its licence"

echo "installed, validated and packaged: $(basename "$deb")"
echo "1 passed, 0 failed"
