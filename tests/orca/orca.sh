#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tst_orca.py against the program with Orca listening, on an X server and
# session bus of their own, so that what is counted is what this Orca said.
# Usage: orca.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${OSTREL_ORCA_INNER:-}" ]; then
    export OSTREL_ORCA_INNER=1
    exec dbus-run-session -- "$0" "$@"
fi

# A home of its own: the user's Orca settings must not change what is said, and
# speech must go nowhere, since without a sound card speech-dispatcher stalls Orca
# after a few phrases.
HOME=$(mktemp -d)
trap 'kill ${orca:-} ${launcher:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$HOME"' EXIT
export HOME XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_RUNTIME_DIR=$HOME/run
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
echo "default_driver=null" >"$HOME/.libao"

# An X server of its own, which takes the first free number itself and says which
# once it accepts clients: no lock files read by a script that another server may
# be taking or leaving at the same moment, as xvfb-run reads them.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$HOME/display" >"$HOME/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 300); do
    grep -q . "$HOME/display" && break
    kill -0 $xvfb 2>/dev/null || break
    sleep 0.1
done
if ! grep -q . "$HOME/display"; then
    echo "FAIL: Xvfb did not start:" && cat "$HOME/xvfb.log"
    exit 1
fi
export DISPLAY=:$(cat "$HOME/display")

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
debug=$HOME/orca.debug
orca --debug-file="$debug" >"$HOME/orca.out" 2>&1 &
orca=$!
status=0
/usr/bin/python3 "$here/tst_orca.py" "$1" "$debug" "$orca" || status=$?
if [ $status -ne 0 ]; then
    kill -0 $xvfb 2>/dev/null || echo "Xvfb had ended"
    echo "What Xvfb said:" && cat "$HOME/xvfb.log"
    echo "What Orca said, last:" && tail -n 20 "$HOME/orca.out"
fi
exit $status
