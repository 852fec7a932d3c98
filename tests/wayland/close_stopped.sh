#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A program that closes itself while its compositor is stopped (SIGSTOP) must
# still end: within the two seconds it waits for the compositor's answer, and a
# second more. PROGRAM closes its window itself, CLOSE_AFTER_MS after writing a
# line on standard output, as bench's ostrel_first_frame does; the compositor is
# stopped in between. Exit 77, skipped, without weston.
# Usage: close_stopped.sh PROGRAM
set -uo pipefail
program=$1
limit_us=3000000
. "$(dirname "$0")/weston.sh"

out=$runtime/out
OSTREL_CLOSE_AFTER_MS=1000 "$program" >"$out" 2>"$runtime/err" &
pid=$!
started=$(now_us)
until [ -s "$out" ] || ! alive "$pid" || (($(now_us) - started > 30000000)); do
    sleep 0.01
done
if [ ! -s "$out" ]; then
    echo "the window never showed its first frame:"
    cat "$runtime/err"
    exit 1
fi
kill -STOP "$weston_pid"
stopped=$(now_us)
while alive "$pid" && (($(now_us) - stopped < 1000000 + limit_us + 5000000)); do sleep 0.01; done
took=$(($(now_us) - stopped - 1000000))
if alive "$pid"; then
    echo "still running $((took / 1000)) ms after closing its window, with its compositor stopped"
    kill -9 "$pid"
    exit 1
fi
wait "$pid"
status=$?
echo "ended $((took / 1000)) ms after closing its window, its compositor stopped; exit status $status"
sed 's/^/  /' "$runtime/err"
((took <= limit_us && status == 0))
