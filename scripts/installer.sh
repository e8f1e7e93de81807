#!/usr/bin/env bash
# Builds the installer of a program with NSIS (installer/Pivel.nsi), from the files a release carries
# (scripts/release-files.sh).
#   scripts/installer.sh VERSION PIVEL.EXE OUTPUT.exe
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
versao=$1
programa=$2
saida=$3

pasta="$(dirname "$saida")/instalador-$versao"
bash "$root/scripts/release-files.sh" "$versao" "$programa" "$pasta" >/dev/null
makensis -V2 -INPUTCHARSET UTF8 -DVERSAO="$versao" -DPASTA="$pasta" -DSAIDA="$saida" "$root/installer/Pivel.nsi"
