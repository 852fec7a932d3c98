#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COMMAND on an X server of its own, and with --bus on a session bus of its
# own as well, so that nothing of the desktop it runs on can answer in its place.
# What the X server said is printed when COMMAND fails.
#
# The server takes the first free display number itself (-displayfd) and writes it
# only once it accepts clients: no lock files read by a script while another server
# takes or leaves them, as xvfb-run -a reads them. And it never resets (-noreset):
# an X server that resets when its last client leaves closes every connection that
# is still being set up at that moment. The accessibility bus launcher is such a
# last client, a moment after start, just as the program and Orca connect.
# Usage: tests/xsession.sh [--bus] COMMAND [ARG...]
set -uo pipefail
bus=()
if [ "${1:-}" = --bus ]; then
    bus=(dbus-run-session --)
    shift
fi

log=$(mktemp -d)
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$log/display" >"$log/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$log"' EXIT

# A process that has ended but is not yet reaped still answers kill -0.
running() {
    local stat
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

for _ in $(seq 300); do
    grep -q . "$log/display" && break
    running $xvfb || break
    sleep 0.1
done
if ! grep -q . "$log/display"; then
    echo "FAIL: Xvfb did not start. What it said:"
    cat "$log/xvfb.log"
    exit 1
fi

export DISPLAY=:$(cat "$log/display") OSTREL_XSESSION=1
"${bus[@]}" "$@"
status=$?
if [ $status -ne 0 ]; then
    running $xvfb || echo "Xvfb had ended before the command did."
    echo "What Xvfb on $DISPLAY said:"
    cat "$log/xvfb.log"
fi
exit $status
