#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tst_colours's legibility test under Wine once with Windows' apps in the
# light theme and once in the dark, set where Windows keeps it and Qt reads it at
# start. A row that did not run under its own theme is skipped, and a skip fails
# here. The setting is put back as it was. A program's report does not reach us
# through Wine's console, so each writes it to a file.
# Usage: colours.sh TST_COLOURS_EXE
set -uo pipefail
. "$(dirname "$0")/wine.sh"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
before=$(win reg query "$key" /v AppsUseLightTheme 2>/dev/null | tr -d '\r' | awk '$1 == "AppsUseLightTheme" { print $3 }')
report=$(mktemp)
trap 'rm -f "$report"' EXIT
status=0
for theme in light dark; do
    win reg add "$key" /v AppsUseLightTheme /t REG_DWORD /d "$([ "$theme" = light ] && echo 1 || echo 0)" /f >/dev/null
    OSTREL_THEME=$theme win "$1" "textsAreLegible:$theme" -o "$(winepath -w "$report"),txt"
    cat "$report"
    grep -qF "PASS   : ColoursTest::textsAreLegible($theme)" "$report" || status=1
done
if [ -n "$before" ]; then
    win reg add "$key" /v AppsUseLightTheme /t REG_DWORD /d "$((before))" /f >/dev/null
else
    win reg delete "$key" /v AppsUseLightTheme /f >/dev/null 2>&1
fi
exit $status
