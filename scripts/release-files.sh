#!/usr/bin/env bash
# Lays out the files that a release carries, in the form Windows users read them (UTF-8 with its mark,
# CRLF lines), every one dated from the last commit, so that the same commit gives the same zip and
# installer wherever it is built.
#   scripts/release-files.sh VERSION PIVEL.EXE FOLDER
# Prints the date used, in seconds since 1970.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
versao=$1
programa=$2
pasta=$3

epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || true)}
epoch=${epoch:-315532800}

# UTF-8 with a byte-order mark and CRLF line ends, for Notepad.
texto_windows() {
    printf '\xEF\xBB\xBF'
    sed -e "s/@VERSAO@/$versao/g" -e 's/$/\r/' "$1"
}

rm -rf "$pasta"
mkdir -p "$pasta"
cp "$programa" "$pasta/Pivel.exe"
texto_windows "$root/installer/LEIAME.txt" >"$pasta/LEIAME.txt"
texto_windows "$root/LICENSE" >"$pasta/LICENSE.txt"
texto_windows "$root/installer/TodosOsUsuarios.txt" >"$pasta/TodosOsUsuarios.txt"
cp "$root/res/Pivel.ico" "$pasta/Pivel.ico"
chmod 644 "$pasta"/*
touch -d "@$epoch" "$pasta"/*
echo "$epoch"
