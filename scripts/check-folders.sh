#!/usr/bin/env bash
# Fails when a source file includes a header against the direction in which the folders depend:
#   support <- ui <- catalogue <- menus <- dialogs <- app
# A folder may include its own headers and those of the folders before it, never one after it. It
# also fails when a portable file (one whose name does not say Win32) includes windows.h or a Win32 header.
#   scripts/check-folders.sh [ROOT]
set -uo pipefail
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$root" || exit 2

order=(support ui catalogue menus dialogs app)
declare -A level
chain=$(printf ' <- %s' "${order[@]}")
chain=${chain# <- }
for i in "${!order[@]}"; do level[${order[$i]}]=$i; done

bad=0
for dir in "${order[@]}"; do
    while IFS= read -r hit; do
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        target=$(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+)\/.*/\1/p' <<<"${rest#*:}")
        [ -n "$target" ] || continue
        [ -n "${level[$target]+x}" ] || continue
        if [ "${level[$target]}" -gt "${level[$dir]}" ]; then
            echo "$file:$line: $dir/ may not include $target/ (folders depend $chain)"
            bad=1
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$dir" --include='*.h' --include='*.cpp')
done

# The portable core never sees the Windows headers.
while IFS= read -r hit; do
    file=${hit%%:*}
    case "$file" in
        *Win32*.h | *Win32*.cpp | app/WinMain.cpp) continue ;;
    esac
    echo "${hit%%:*}:$(cut -d: -f2 <<<"$hit"): a portable file includes a Windows-only header"
    bad=1
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*(<(windows|commctrl|shellapi|shlobj|objbase|oleacc)\.h>|"[a-z]+/[A-Za-z0-9]*Win32[A-Za-z0-9]*\.h")' \
    "${order[@]}" --include='*.h' --include='*.cpp')

if [ "$bad" -ne 0 ]; then
    echo "folder direction: FAILED"
    exit 1
fi
echo "folder direction: ok ($chain)"
