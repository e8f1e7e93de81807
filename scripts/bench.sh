#!/usr/bin/env bash
# Builds the benchmarks optimised, without sanitizers, and prints their figures.
#   scripts/bench.sh [--benchmark_filter=...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIVEL_SANITIZE=OFF >/dev/null
cmake --build build/bench --target pivel_bench -j "$(nproc)"
exec build/bench/pivel_bench "$@"
