#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tst_atspi.py against the program, each run on its own X server and session
# bus so that nothing of the desktop it runs on can answer in its place.
# Usage: atspi.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${OSTREL_XSESSION:-}" ] || exec "$here/../xsession.sh" --bus "$0" "$@"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$1" &
program=$!
trap 'kill $program $launcher 2>/dev/null || true' EXIT
# Debian's python3, which has pyatspi, whatever python3 comes first on the PATH.
/usr/bin/python3 "$here/tst_atspi.py"
