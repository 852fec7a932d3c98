#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs that upgrade, under Wine, for all users and for the current user alone:
# an installer of an older version first, for the users asked, then this
# version's over it, silent and asked nothing, as a user upgrades. Afterwards there must be one program, this version's, in the folder the
# older one chose, and one entry in the list of installed programs, under the
# users' own root only, saying this version; its uninstaller must then leave
# nothing, registry included. The older installer is made by CPack from this
# build under an older version number: what is tried is the installer's handling
# of the version before it.
# Wine has no user without administrator's rights, so the per-user install is
# asked for on the command line (/CurrentUser), as an administrator may.
# Needs a WINEPREFIX of its own (scripts/package-windows --test).
# Usage: upgrade.sh BUILD_DIR VERSION
set -euo pipefail
build=$(realpath "$1") version=$2 older=0.1
: "${WINEPREFIX:?needs a private Wine prefix}"
. "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G NSIS -B "$work/newer" >/dev/null &&
    cpack -G NSIS -R "$older" -D CPACK_PACKAGE_FILE_NAME="Ostrel-$older-win64" -B "$work/older" >/dev/null)
newer=$work/newer/Ostrel-$version-win64-setup.exe
older_setup=$work/older/Ostrel-$older-win64-setup.exe
[ -f "$newer" ] && [ -f "$older_setup" ] || fail "cpack did not make both installers: $(ls "$work"/*)"

key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Ostrel'
drive=$WINEPREFIX/drive_c
entry() { win reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { $1 = $2 = ""; sub(/^ +/, ""); print }'; }
programs() { find "$drive" -iname ostrel.exe | sort; }
# The registry's software keys, machine's and user's, as text.
registry() {
    local hive
    for hive in HKEY_LOCAL_MACHINE HKEY_CURRENT_USER; do
        win regedit /E "$(winepath -w "$work/export")" "$hive\\Software"
        iconv -f UTF-16LE -t UTF-8 "$work/export" | tr -d '\r'
    done
}
registry >"$work/before"

for users in AllUsers CurrentUser; do
    if [ "$users" = AllUsers ]; then
        root=HKLM other=HKCU dir=$drive/Program\ Files/Ostrel
    else
        root=HKCU other=HKLM dir=$drive/users/$(id -un)/AppData/Local/Programs/Ostrel
    fi
    win "$older_setup" /S "/$users"
    [ "$(entry "$root" DisplayVersion)" = "$older" ] || fail "$users: the older version left no entry under $root"
    # As a user upgrades: no choice of users, which the installer must find itself.
    win "$newer" /S
    [ "$(programs)" = "$dir/ostrel.exe" ] || fail "$users: not one program in $dir after the upgrade: $(programs)"
    [ "$(entry "$root" DisplayVersion)" = "$version" ] || fail "$users: the entry under $root does not say $version"
    [ -z "$(entry "$other" DisplayVersion)" ] || fail "$users: an entry under $other too"
    echo "$users: $older then $version, one program in ${dir#"$drive"/}, one entry under $root"

    uninstall=$(entry "$root" QuietUninstallString)
    [ -n "$uninstall" ] || fail "$users: no QuietUninstallString"
    # "C:\...\Uninstall.exe" /AllUsers /S: the program, then its arguments.
    uninstaller=$(sed -n 's/^"\([^"]*\)".*/\1/p' <<<"$uninstall")
    read -ra arguments <<<"${uninstall#\"$uninstaller\"}"
    win "$uninstaller" "${arguments[@]}"
    [ ! -e "$dir" ] || fail "$users: the uninstaller left $dir: $(ls "$dir")"
    left=$(find "$drive" -iname '*ostrel*')
    [ -z "$left" ] || fail "$users: the uninstaller left $left"
    if win reg query "$root\\$key" >/dev/null 2>&1; then fail "$users: the uninstaller left $root\\$key"; fi
    registry >"$work/after"
    diff "$work/before" "$work/after" || fail "$users: the uninstaller left the registry changed"
    echo "$users: uninstalled without a trace"
done
echo "PASS: upgrades for all users and for the current user leave one program and one entry"
