# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows scripts: `stage "What begins"` prints a line as each long
# stage begins, with the time the one before it took; `stage` alone ends the last.
stage() {
    local now=$SECONDS
    [ -z "${stage_name:-}" ] || echo "   (${stage_name}: $((now - stage_start)) s)" >&2
    stage_name=${1:-} stage_start=$now
    [ -z "$stage_name" ] || echo "== $stage_name" >&2
}
