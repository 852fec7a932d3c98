#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless every DLL the program imports is one of Windows' own, so that
# ostrel.exe runs alone: no Qt, no GCC runtime, no winpthreads beside it.
# Usage: dlls.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1 program=$2

windows_own='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|comctl32|imm32|winmm|uxtheme|dwmapi|shcore|version|shlwapi|userenv|netapi32|ws2_32|mpr|setupapi|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|wtsapi32|authz|crypt32|bcrypt|ntdll|rpcrt4|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'

dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "FAIL: objdump found no imports in $program"; exit 1; }
foreign=$(grep -vE "$windows_own" <<<"$dlls" || true)
if [ -n "$foreign" ]; then
    echo "FAIL: $program needs DLLs Windows does not have:"
    echo "$foreign"
    exit 1
fi
echo "PASS: $(wc -l <<<"$dlls") DLLs, all Windows' own: $(tr '\n' ' ' <<<"$dlls")"
