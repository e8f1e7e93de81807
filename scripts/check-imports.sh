#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that is not part of the system (the C++ runtime,
# winpthread, zlib, libpng ... must all be linked in statically).
#   scripts/check-imports.sh PROGRAM.exe
set -euo pipefail
exe=$1
allowed='^(kernel32|user32|gdi32|gdiplus|advapi32|shell32|shlwapi|ole32|oleaut32|comctl32|comdlg32|uxtheme|version|msimg32|msvcrt|ucrtbase|oleacc|api-ms-win-[a-z0-9-]+|ws2_32|winmm|dwmapi|imm32|rpcrt4|shcore|bcrypt|crypt32|secur32|mpr|netapi32|winspool|userenv)\.dll$|^winspool\.drv$'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
bad=$(grep -vE "$allowed" <<<"$dlls" || true)
echo "$(basename "$exe") imports: $(tr '\n' ' ' <<<"$dlls")"
if [ -n "$bad" ]; then
    echo "not a system DLL: $bad"
    exit 1
fi
