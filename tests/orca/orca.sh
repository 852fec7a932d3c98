#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tst_orca.py against the program with Orca listening, on an X server and
# session bus of their own, so that what is counted is what this Orca said.
# Usage: orca.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# Orca will not start beside any other Orca of the same user on the machine (it
# looks for processes named orca): the user's own screen reader, or another
# checkout's test. In a process namespace of its own it sees only this one.
if [ -z "${OSTREL_ORCA_ALONE:-}" ]; then
    export OSTREL_ORCA_ALONE=1
    alone=(unshare --pid --fork --mount-proc)
    [ "$(id -u)" -eq 0 ] || alone=(unshare --user --map-current-user --pid --fork --mount-proc)
    if "${alone[@]}" true 2>/dev/null; then exec "${alone[@]}" "$0" "$@"; fi
fi
[ -n "${OSTREL_XSESSION:-}" ] || exec "$here/../xsession.sh" --bus "$0" "$@"

# A home of its own: the user's Orca settings must not change what is said, and
# speech must go nowhere, since without a sound card speech-dispatcher stalls Orca
# after a few phrases.
HOME=$(mktemp -d)
trap 'kill ${orca:-} ${launcher:-} 2>/dev/null || true; rm -rf "$HOME"' EXIT
export HOME XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_RUNTIME_DIR=$HOME/run
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
echo "default_driver=null" >"$HOME/.libao"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
debug=$HOME/orca.debug
orca --debug-file="$debug" >"$HOME/orca.out" 2>&1 &
orca=$!
status=0
/usr/bin/python3 "$here/tst_orca.py" "$1" "$debug" "$orca" || status=$?
if [ $status -ne 0 ]; then
    echo "What Orca said, last:" && tail -n 20 "$HOME/orca.out"
fi
exit $status
