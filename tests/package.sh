#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as scripts/package builds it (the "program" preset),
# in a folder of its own, BUILD_DIR, so that it touches neither build/release nor
# the machine: what it needs, scripts/test installed. Then checks what the package
# holds and what it depends on, validates its desktop entry and metainfo, runs
# lintian over it, unpacks it into a scratch root and starts the program from
# there: still running after a few seconds, it is then ended.
# Usage: tests/package.sh SOURCE_DIR BUILD_DIR VERSION CONTACT
set -euo pipefail
source=$1 build=$2 version=$3 contact=$4
cmake --preset program -S "$source" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
rm -f "$build"/ostrel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/ostrel_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# The version and the contact are each written once, in the build; the package
# and its metainfo must say the same.
field() {
    local got
    got=$(dpkg-deb -f "$deb" "$1")
    [ "$got" = "$2" ] || { echo "$1 is \"$got\", not \"$2\""; exit 1; }
}
field Version "$version"
field Maintainer "$contact"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.ostrel.Ostrel.metainfo.xml" ||
    { echo "the metainfo's release is not $version"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 fonts-liberation qt6-translations-l10n; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
for file in bin/ostrel share/applications/org.ostrel.Ostrel.desktop share/metainfo/org.ostrel.Ostrel.metainfo.xml \
            share/icons/hicolor/{16x16,32x32,48x48,128x128}/apps/org.ostrel.Ostrel.png \
            share/man/man1/ostrel.1.gz share/doc/ostrel/{copyright,changelog.gz}; do
    [ -e "$root/usr/$file" ] || { echo "missing from the package: /usr/$file"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/org.ostrel.Ostrel.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.ostrel.Ostrel.metainfo.xml"
# Even what lintian only notes fails: the binary's hardening (bound at start) and
# its lack of a .comment section are among those notes.
lintian --display-info --fail-on error,warning,info "$deb" 2> >(grep -v 'running with root privileges' >&2)

QT_QPA_PLATFORM=offscreen "$root/usr/bin/ostrel" &
pid=$!
sleep 3
kill -0 "$pid" || { echo "the installed ostrel did not keep running"; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "package $deb: contents, validators and a start from it all pass"
