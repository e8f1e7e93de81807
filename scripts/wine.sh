#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's private prefix (created on first use).
#   scripts/wine.sh PROGRAM.exe [ARGS...]
# PIVEL_WINEPREFIX overrides the prefix folder; DISPLAY must name an X server (scripts/xvfb.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${PIVEL_WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
WINE=/usr/lib/wine/wine64

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
fi
exec "$WINE" "$@"
