#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the program, its zip or its installer outgrows its limit, in bytes
# (a megabyte is a million). The packages are the ones CPack made before the
# tests ran (scripts/package-windows).
# Usage: sizes.sh PROGRAM.exe PROGRAM.zip SETUP.exe
set -euo pipefail
status=0
check() {
    local file=$1 limit=$2 size
    [ -f "$file" ] || { echo "FAIL: no $file"; status=1; return; }
    size=$(stat -c %s "$file")
    if ((size > limit)); then
        echo "FAIL: $(basename "$file") is $size bytes, over its $limit"
        status=1
    else
        echo "$(basename "$file"): $size bytes, within $limit"
    fi
}
check "$1" 12000000
check "$2" 6000000
check "$3" 5000000
exit $status
