# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows tests that drive Wine from a script.
# settle waits for every process in the prefix to end: Wine's uninstaller, for
# one, runs from a copy of itself and returns at once. And the Wine server
# lingers a moment after its last process: a command that reaches it as it goes
# ends with "Connection reset by peer". So win runs a Wine command and waits for
# the server to be gone.
export WINEDEBUG=${WINEDEBUG:--all}
fail() { echo "FAIL: $*"; exit 1; }
settle() { wineserver -w; }
win() {
    local status=0
    wine "$@" || status=$?
    settle
    return $status
}
