#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tst_colours's legibility test once per GTK theme, each on its own X server
# with Qt's GTK theme: GTK reads its theme once, at start. A row that did not run
# under its own theme (OSTREL_THEME) is skipped, and a skip fails here.
# Usage: colours.sh TST_COLOURS
set -uo pipefail
xsession=$(dirname "$0")/../xsession.sh
status=0
for theme in Adwaita Adwaita:dark; do
    output=$(GTK_THEME=$theme OSTREL_THEME=$theme QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 \
        "$xsession" "$1" "textsAreLegible:$theme" 2>&1)
    echo "$output"
    grep -qF "PASS   : ColoursTest::textsAreLegible($theme)" <<<"$output" || status=1
done
exit $status
