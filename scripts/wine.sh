#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's private prefix (created on first use).
#   scripts/wine.sh PROGRAM.exe [ARGS...]
# PIVEL_WINEPREFIX overrides the prefix folder (build/wineprefix by default); DISPLAY must name an X
# server (scripts/xvfb.sh). What it waits for and ends is that prefix's Wine server only.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${PIVEL_WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
WINE=/usr/lib/wine/wine64

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX..." >&2
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
fi
# With no window manager on the display (Xvfb), Wine must not wait for one: it would wait two seconds for
# a window manager's answer at every hide of a window with a caption, a dialog that closes say, holding
# the program meanwhile. Wine then places its windows itself; with a window manager they are left to it.
managed=Y
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" || managed=N
if ! grep -q "\"Managed\"=\"$managed\"" "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1 || true
fi
# Wine lists the monitors of a display through XRandR, or, told not to use it, through Xinerama: the
# two-screen display of the monitor tests (scripts/xvfb.sh) shows two monitors only the second way.
xrandr=${PIVEL_XRANDR:-Y}
if ! grep -q "\"UseXRandR\"=\"$xrandr\"" "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d "$xrandr" /f >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
fi
exec "$WINE" "$@"
