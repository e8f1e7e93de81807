#!/usr/bin/env bash
# Builds Pivel.exe and runs it under Wine. With a display, the program simply runs there. Without one,
# Xvfb is started, the bar is opened with a click on its strip as soon as its window shows, and a
# screenshot of the open bar is saved to build/shot.png; the program is then ended.
#   scripts/run.sh [Pivel arguments...]
# PIVEL_RUN_DEADLINE: seconds to wait for the bar's window (default 120).
# PIVEL_WINEPREFIX: the Wine prefix to run in (default build/wineprefix); at the end only that prefix's
# Wine server is ended, never another's.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
start=$SECONDS
export PIVEL_WINEPREFIX=${PIVEL_WINEPREFIX:-$root/build/wineprefix}
prefix=$PIVEL_WINEPREFIX

bash scripts/deps.sh
bash scripts/build.sh --program

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    scripts/wine.sh cmd /c exit >/dev/null 2>&1 || true  # the prefix is made before the program starts
    echo "Pivel runs on $DISPLAY in the Wine prefix $prefix;"
    echo "end it with its menu's \"Finalizar\" or Ctrl+C here."
    exec scripts/wine.sh build/win/bin/Pivel.exe "$@"
fi

source scripts/xvfb.sh
pivel_start_xvfb
# Only this prefix's programs and server end here: a Wine session of another prefix is left alone.
cleanup() {
    WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
    pivel_stop_xvfb
}
trap cleanup EXIT

# A new prefix is made here, not while the program starts (its "please wait" box would be the picture).
echo "Preparing the Wine prefix ($prefix)..."
scripts/wine.sh cmd /c exit >/dev/null 2>&1 || true

scripts/wine.sh build/win/bin/Pivel.exe "$@" >/dev/null 2>&1 &
read -r width height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
deadline=$((SECONDS + ${PIVEL_RUN_DEADLINE:-120}))

# The bar's window, once visible: its left edge, or nothing.
bar_left() {
    local id
    id=$(xdotool search --onlyvisible --name '^Nq-Pivel$' 2>/dev/null | head -n 1)
    [ -n "$id" ] || return 1
    xwininfo -id "$id" | sed -n 's/^ *Absolute upper-left X: *\(-*[0-9]*\).*/\1/p'
}
wait_for() {  # wait_for CONDITION: true once it holds, false at the deadline
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}
bar_shows() { [ -n "$(bar_left)" ]; }
bar_open() { local x; x=$(bar_left) && [ "$x" -lt $((width - 20)) ]; }

if ! wait_for bar_shows; then
    import -window root build/shot.png
    echo "The bar's window did not show within ${PIVEL_RUN_DEADLINE:-120} s; the screen is in build/shot.png." >&2
    exit 1
fi
# A click on the strip at the right edge opens the bar.
until bar_open; do
    xdotool mousemove $((width - 1)) $((height * 2 / 3)) click 1 || true
    if ! wait_for bar_open; then
        import -window root build/shot.png
        echo "The bar did not open within ${PIVEL_RUN_DEADLINE:-120} s; the screen is in build/shot.png." >&2
        exit 1
    fi
done
# The icons come from a worker just after the bar opens: the picture is taken once the screen is steady.
steady() {
    import -window root -depth 8 rgb:build/shot.rgb
    if cmp -s build/shot.rgb build/shot-before.rgb; then return 0; fi
    mv build/shot.rgb build/shot-before.rgb
    return 1
}
rm -f build/shot-before.rgb
wait_for steady || true
rm -f build/shot.rgb build/shot-before.rgb
import -window root build/shot.png
echo "The open bar: $root/build/shot.png (took $((SECONDS - start)) s)."
echo "The program has been ended, with the Wine server of $prefix."
echo "To use it yourself, run it with a display: DISPLAY=:0 bash scripts/run.sh"
