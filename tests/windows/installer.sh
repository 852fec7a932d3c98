#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer as a user meets it, under Wine: a silent install, the installed
# program started and its window photographed, light and dark, closed as a user
# closes it (exit code 0), then a silent uninstall that leaves nothing behind.
# Needs DISPLAY and a WINEPREFIX of its own (scripts/package-windows --test).
# Usage: installer.sh BUILD_DIR SETUP.exe SCREENSHOT.png
set -euo pipefail
build=$1 setup=$2 screenshot=$3
: "${WINEPREFIX:?needs a private Wine prefix}" "${DISPLAY:?needs an X display}"
. "$(dirname "$0")/wine.sh"

# The installer of this build, not one left from an earlier one.
(cd "$build" && cpack -G NSIS >/dev/null)
[ -f "$build/$setup" ] || fail "cpack made no $setup"

win "$build/$setup" /S
# Wine's user is an administrator: the installer takes the all-users route.
dir=$WINEPREFIX/drive_c/Program\ Files/Ostrel
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Ostrel
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ostrel'
[ -f "$dir/ostrel.exe" ] || fail "no ostrel.exe in $dir"
[ -f "$dir/COPYING" ] || fail "no COPYING in $dir"
[ -f "$menu/Ostrel.lnk" ] || fail "no Start-menu entry in $menu"
[ -f "$menu/Uninstall.lnk" ] || fail "no uninstaller entry in $menu"
win reg query "$key" 2>/dev/null | grep -q 'DisplayIcon.*ostrel\.exe' \
    || fail "no installed-programs entry with the program's icon at $key"
echo "installed into $dir, with its Start-menu entry and uninstaller"

# Started, photographed and closed as a user closes it: exit code 0. In the apps'
# theme Windows is set to, light and then dark.
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
for theme in light dark; do
    win reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d "$([ "$theme" = light ] && echo 1 || echo 0)" /f >/dev/null
    photo=$screenshot
    [ "$theme" = light ] || photo=${screenshot%.png}-$theme.png
    wine "C:\\Program Files\\Ostrel\\ostrel.exe" &
    program=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Ostrel$' | head -1) \
        || fail "the installed program showed no window"
    sleep 2  # the first paint
    import -window "$window" "$photo"
    echo "window $window photographed into $photo ($theme)"
    xdotool windowfocus --sync "$window" key alt+F4
    status=0
    timeout 30 tail --pid="$program" -f /dev/null || fail "the program did not end when its window was closed"
    wait "$program" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with $status when its window was closed"
    settle
    echo "closed with Alt+F4, exit code 0"
done
win reg delete "$personalize" /v AppsUseLightTheme /f >/dev/null

win "C:\\Program Files\\Ostrel\\Uninstall.exe" /S
[ ! -e "$dir" ] || fail "the uninstaller left $dir: $(ls "$dir")"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder"
if win reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left $key"; fi
echo "PASS: installed, started, closed with exit code 0 and uninstalled without a trace"
