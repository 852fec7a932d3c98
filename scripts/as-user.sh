# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced first thing by the scripts that build. Builds belong to the user who
# asked: run through sudo, a script goes on as that user, so that nothing in the
# checkout or the user's caches ends up root's. Only the steps that need root
# (installing packages, making a system to test in) ask for it, with as_root.
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_UID:-}" ] && [ "$SUDO_UID" -ne 0 ]; then
    exec setpriv --reuid="$SUDO_UID" --regid="$SUDO_GID" --init-groups \
        env HOME="$(getent passwd "$SUDO_UID" | cut -d: -f6)" USER="$SUDO_USER" LOGNAME="$SUDO_USER" \
        "$(realpath "$0")" "$@"
fi

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo --preserve-env=OSTREL_CACHE,OSTREL_JOBS "$@"
    fi
}
