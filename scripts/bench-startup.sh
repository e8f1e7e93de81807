#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from process start to the bar's window showing, with 0 (the
# three first shortcuts), 100, 1,000 and 10,000 shortcuts, each run alternating with the floor program
# (tests/fixtures/floor.c: one window, Common Controls, COM, one shell icon and a tray icon) in the
# same run; prints each median and the ratios to the floor. Then, with 10,000 shortcuts, the time one
# step of the wheel takes to scroll and paint the open bar; with 1,000, the working set and the
# processor time over 30 idle seconds.
#   scripts/bench-startup.sh            (PIVEL_BENCH_RUNS runs per case, 15 by default)
# PIVEL_BENCH_PIVEL names another Pivel.exe to measure (an earlier build, for a comparison).
# Uses its own Wine prefix (build/bench-wineprefix) and folders under build/bench-startup.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
runs=${PIVEL_BENCH_RUNS:-15}
idle=${PIVEL_BENCH_IDLE:-30}

bash scripts/deps.sh
bash scripts/build.sh --win-only >/dev/null
source scripts/xvfb.sh
pivel_start_xvfb
trap pivel_stop_xvfb EXIT
export PIVEL_WINEPREFIX=$root/build/bench-wineprefix
bin=$root/build/win/bin
work=$root/build/bench-startup
rm -rf "$work"
mkdir -p "$work/floor"
cp "$bin/floor.exe" "$work/floor/"

winpath() { echo "Z:${1//\//\\}"; }
clock() { scripts/wine.sh "$bin/startclock.exe" "$@" 2>/dev/null | tr -d '\r'; }

# Targets that exist in the prefix, one per shortcut: the programs and libraries of its system folder.
scripts/wine.sh cmd /c exit >/dev/null 2>&1 || true  # creates the prefix on first use
mapfile -t targets < <(cd "$PIVEL_WINEPREFIX/drive_c/windows/system32" && ls | grep -iE '\.(exe|dll)$' | sort | head -n 1000)

# A copy of the bar per case, its catalogue in its settings file (Windows-1252: \xA7 and \xE3).
for n in 0 100 1000 10000; do
    mkdir -p "$work/p$n"
    cp "${PIVEL_BENCH_PIVEL:-$bin/Pivel.exe}" "$work/p$n/Pivel.exe"
    {
        printf '[IconesMenu]\r\nRecordCount=%d\r\n' "$n"
        for ((i = 0; i < n; i++)); do
            t=${targets[$((i % ${#targets[@]}))]}
            printf '%d=titulo=%s %04d\xA7programa=C:\\windows\\system32\\%s\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7\r\n' \
                $((i + 1)) "${t%.*}" "$i" "$t"
        done
        printf '\r\n'
    } >"$work/p$n/PivelConfig.ini"
done

median() { sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

floor_exe=$(winpath "$work/floor/floor.exe")
clock "$floor_exe" >/dev/null  # first starts load the prefix's files: not counted
for n in 0 100 1000 10000; do clock "$(winpath "$work/p$n/Pivel.exe")" >/dev/null; done

echo "start-up to the visible window, median of $runs runs each (ms):"
printf '%-22s %10s %10s %8s\n' "shortcuts" "floor" "Pivel" "ratio"
for n in 0 100 1000 10000; do
    exe=$(winpath "$work/p$n/Pivel.exe")
    floors=() bars=()
    for ((r = 0; r < runs; r++)); do
        floors+=("$(clock "$floor_exe" | sed -n 's/^start_ms=//p')")
        bars+=("$(clock "$exe" | sed -n 's/^start_ms=//p')")
    done
    f=$(printf '%s\n' "${floors[@]}" | median)
    b=$(printf '%s\n' "${bars[@]}" | median)
    label=$n
    [ "$n" = 0 ] && label="0 (3 first shortcuts)"
    printf '%-22s %10.1f %10.1f %8.2f\n' "$label" "$f" "$b" "$(awk -v b="$b" -v f="$f" 'BEGIN {print b / f}')"
done

# One step of the wheel (three buttons) with 10,000 shortcuts: scrolled and painted, 200 steps.
echo "with 10000 shortcuts, one wheel step scrolled and painted (ms):"
clock --wheel 200 "$(winpath "$work/p10000/Pivel.exe")" |
    sed -n 's/^wheel_ms_median=/  median: /p; s/^wheel_ms_max=/  slowest: /p'

# Idle: the bar with 1,000 shortcuts, brought to the front as by the user's first click, settles for
# 5 s; then its processor time (user + system, from Linux's own count for the Wine process, since Wine
# answers 0 for another process's times) over the idle seconds, and its working set.
exe=$(winpath "$work/p1000/Pivel.exe")
out=$work/hold.txt
scripts/wine.sh "$bin/startclock.exe" --hold $((idle + 10)) "$exe" >"$out" 2>/dev/null &
holder=$!
for ((i = 0; i < 600; i++)); do
    [ -s "$out" ] && break
    sleep 0.1
done
# The bar's own process: Wine shows its Windows command line, which begins with the program.
pid=$(pgrep -f '^"?Z:.*p1000.Pivel\.exe' | head -n 1 || true)
if [ -z "$pid" ]; then
    echo "the bar with 1000 shortcuts did not start" >&2
    exit 1
fi
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
sleep 5
before=$(ticks "$pid")
sleep "$idle"
after=$(ticks "$pid")
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
wait "$holder" || true
hz=$(getconf CLK_TCK)
echo "with 1000 shortcuts:"
tr -d '\r' <"$out" | sed -n 's/^working_set_kb=\(.*\)/  working set: \1 KB/p'
echo "  resident set (Linux): $rss KB"
echo "  processor time over $idle idle seconds: $(((after - before) * 1000 / hz)) ms (clock ticks of $((1000 / hz)) ms)"
