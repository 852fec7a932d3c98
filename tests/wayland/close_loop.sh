#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts PROGRAM ROUNDS times natively on Wayland, under weston's headless backend,
# and fails if any run outlives its window by more than five seconds or ends with a
# status other than 0. A run that stayed that long is stuck: the program's own wait
# for the compositor gives up after two. An end slower than a second is counted
# and told, not failed: on a loaded machine a run still there after one second
# had ended before gdb could attach to it. PROGRAM closes its window itself and
# writes a line on standard output as it does, as bench's ostrel_first_frame does.
# With OSTREL_BACKTRACES=DIR, every thread's stack of a run that stays is written
# there (gdb) before it is killed. Exit 77, skipped, without weston.
# Usage: close_loop.sh PROGRAM ROUNDS
set -uo pipefail
program=$1 rounds=$2
grace_us=5000000 slow_us=1000000

. "$(dirname "$0")/weston.sh"

stayed=0 failed=0 slow=0 slowest=0 round=0
trap 'echo "stopped in round $round: $stayed outlived their window, $failed failed"; exit 130' INT TERM
for round in $(seq "$rounds"); do
    out=$runtime/out
    "$program" >"$out" 2>"$runtime/err" &
    pid=$!
    started=$(now_us)
    until [ -s "$out" ] || ! alive "$pid" || (($(now_us) - started > 30000000)); do
        sleep 0.01
    done
    closed=$(now_us)
    while alive "$pid" && (($(now_us) - closed < grace_us)); do sleep 0.01; done
    if alive "$pid"; then
        stayed=$((stayed + 1))
        echo "round $round: still running 5 s after its window closed"
        if [ -n "${OSTREL_BACKTRACES:-}" ]; then
            mkdir -p "$OSTREL_BACKTRACES"
            trace=$OSTREL_BACKTRACES/round-$round.txt
            gdb -p "$pid" -batch -ex 'thread apply all bt' >"$trace" 2>&1
            # libwayland's count of announced reads follows the mutex its waiting
            # reader holds (struct wl_display): found where libc has debug symbols.
            mutex=$(awk '/^Thread /{t=/WaylandEventThr/} t && match($0,/mutex=0x[0-9a-f]+/){
                print substr($0,RSTART+6,RLENGTH-6); exit}' "$trace")
            [ -z "$mutex" ] || gdb -p "$pid" -batch -ex "printf \"libwayland reader_count %d read_serial %u\\n\", \
                *(int*)($mutex+40), *(unsigned*)($mutex+44)" 2>&1 | grep reader_count >>"$trace"
        fi
        kill -9 "$pid"
        wait "$pid" 2>/dev/null
        continue
    fi
    wait "$pid"
    status=$?
    took=$(($(now_us) - closed))
    ((took > slowest)) && slowest=$took
    ((took > slow_us)) && slow=$((slow + 1))
    if [ "$status" -ne 0 ] || [ ! -s "$out" ]; then
        failed=$((failed + 1))
        echo "round $round: exit status $status, window closed: $([ -s "$out" ] && echo yes || echo no)"
        sed 's/^/  /' "$runtime/err"
    fi
done

echo "$rounds rounds: $stayed outlived their window, $failed failed, $slow ended more than 1 s after it;" \
    "slowest end after closing $((slowest / 1000)) ms"
((stayed == 0 && failed == 0))
