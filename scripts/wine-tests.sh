#!/usr/bin/env bash
# Runs the Wine test program with the project's prefix, then ends whatever Windows program a test left
# running there (a folder a test opened, say), so that nothing outlives the run and holds its output.
#   scripts/wine-tests.sh build/win/bin/pivel_wine_tests.exe [ARGS...]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/wine.sh" "$@"
status=$?
WINEPREFIX=${PIVEL_WINEPREFIX:-$root/build/wineprefix} /usr/lib/wine/wineserver -k 2>/dev/null
exit $status
