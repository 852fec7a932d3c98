# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Wayland tests: starts weston's headless compositor in a runtime
# folder of its own ($runtime) and points Qt at it natively; weston_pid is its
# process, ended with the folder when the test ends. Exits 77, skipped, without
# weston, and 1 if it does not start.
if ! command -v weston >/dev/null; then
    echo "weston is not installed: skipped"
    exit 77
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
end_weston() {
    # A stopped compositor would not end on SIGTERM alone.
    [ -z "$weston_pid" ] || kill -CONT "$weston_pid" 2>/dev/null
    [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null
    wait 2>/dev/null
    rm -r "$runtime"
}
trap end_weston EXIT

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=ostrel-close QT_QPA_PLATFORM=wayland
# The headless compositor has no seat, and Qt 6.4's text input would crash at the
# first popup without one.
export QT_IM_MODULE=compose
unset DISPLAY
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
if [ ! -S "$runtime/$WAYLAND_DISPLAY" ]; then
    echo "weston did not start:"
    cat "$runtime/weston.log"
    exit 1
fi

now_us() { local t=${EPOCHREALTIME/./}; echo $((10#$t)); }

# A zombie still answers kill -0; only a process that has not ended counts.
alive() {
    local stat
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}
