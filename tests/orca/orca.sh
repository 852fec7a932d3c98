#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tst_orca.py against the program with Orca listening, on an X server and
# session bus of their own, so that what is counted is what this Orca said.
# Usage: orca.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${OSTREL_ORCA_INNER:-}" ]; then
    export OSTREL_ORCA_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
fi

# A home of its own: the user's Orca settings must not change what is said, and
# speech must go nowhere, since without a sound card speech-dispatcher stalls Orca
# after a few phrases.
HOME=$(mktemp -d)
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
trap 'kill $orca $launcher 2>/dev/null || true; rm -rf "$HOME"' EXIT
/usr/bin/python3 "$here/tst_orca.py" "$1" "$debug" "$orca"
