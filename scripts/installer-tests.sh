#!/usr/bin/env bash
# Runs the installer's tests (tests/installer) in a Wine prefix of their own, made anew each time, as on a
# machine where Pivel was never installed; the project's prefix, which the other tests share, is left alone.
#   scripts/installer-tests.sh build/win/bin/pivel_installer_tests.exe [ARGS...]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export PIVEL_WINEPREFIX=${PIVEL_INSTALLER_WINEPREFIX:-$root/build/win/wineprefix-installer}
rm -rf "$PIVEL_WINEPREFIX"
exec bash "$root/scripts/wine-tests.sh" "$@"
