#!/usr/bin/env bash
# Builds everything and runs Pivel.exe under Wine. Without a display it starts Xvfb, lets the
# program run for a few seconds and saves a screenshot to build/shot.png.
#   scripts/run.sh [Pivel arguments...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/deps.sh
bash scripts/build.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec scripts/wine.sh build/win/bin/Pivel.exe "$@"
fi

source scripts/xvfb.sh
pivel_start_xvfb
trap pivel_stop_xvfb EXIT
scripts/wine.sh build/win/bin/Pivel.exe "$@" &
pid=$!
sleep "${PIVEL_SHOT_DELAY:-6}"
# Open the bar with a click on its strip at the right edge, so that the picture shows it.
read -r width height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
xdotool mousemove $((width - 1)) $((height * 2 / 3)) click 1 || true
sleep 1
import -window root build/shot.png
echo "screenshot: build/shot.png"
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
fi
WINEPREFIX="$root/build/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true
