#!/usr/bin/env bash
# Configures and builds both trees: build/native (portable core, tests with sanitizers, benchmarks)
# and build/win (Pivel.exe and the Wine tests).
#   scripts/build.sh              both trees, everything
#   scripts/build.sh --win-only   the Windows tree, everything
#   scripts/build.sh --program    Pivel.exe only (and what it links)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)

mode=${1:-}
if [ "$mode" != "--win-only" ] && [ "$mode" != "--program" ]; then
    cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPIVEL_SANITIZE=ON >/dev/null
    cmake --build build/native -j "$jobs"
fi
bash scripts/libpng.sh
cmake --no-warn-unused-cli -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
if [ "$mode" = "--program" ]; then
    cmake --build build/win -j "$jobs" --target Pivel
else
    cmake --build build/win -j "$jobs"
fi
