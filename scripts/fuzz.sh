#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, sanitizers) in build/fuzz and runs one of them for a while.
#   scripts/fuzz.sh NAME SECONDS [libFuzzer options...]
# NAME is the target's name without "Fuzz" (fuzz/SettingsReaderFuzz.cpp is "SettingsReader"). The corpus
# grows in build/fuzz/corpus/NAME (PIVEL_FUZZ_BUILD names another build folder), seeded from tests/data/fuzz/NAME/ (its regressions/ folder included).
# Inputs that crash, leak, hang or take more than a second are kept in tests/data/fuzz/NAME/regressions/,
# where the native tests replay them.
set -euo pipefail
if [ $# -lt 2 ]; then
    echo "usage: $0 NAME SECONDS [libFuzzer options...]" >&2
    exit 2
fi
name=${1%Fuzz}
seconds=$2
shift 2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# clang and its libFuzzer runtime are needed only here.
PIVEL_EXTRA_PACKAGES="clang libclang-rt-14-dev ${PIVEL_EXTRA_PACKAGES:-}" bash scripts/deps.sh

build=${PIVEL_FUZZ_BUILD:-build/fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIVEL_FUZZ=ON \
    -DPIVEL_BENCHMARKS=OFF -DPIVEL_SANITIZE=OFF >/dev/null
cmake --build "$build" --target "${name}Fuzz" -j "$(nproc)"

corpus=$build/corpus/$name
artifacts=$build/artifacts/$name/
seeds=tests/data/fuzz/$name
mkdir -p "$corpus" "$artifacts"
if [ -d "$seeds" ]; then
    while IFS= read -r -d '' f; do
        rel=${f#"$seeds"/}
        cp -n "$f" "$corpus/seed-${rel//\//-}"
    done < <(find "$seeds" -type f -print0)
fi

# AddressSanitizer frees its quarantine in large batches; on a loaded machine one batch of the default
# 256 MB alone outlasts the one-second timeout. A smaller one keeps such pauses short.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32}

stamp=$(mktemp)
trap 'rm -f "$stamp"' EXIT
status=0
# Inputs up to 8 MiB, and one that takes more than a second counts as a finding: slowness is a fault
# too (a settings value of millions of characters once hung the bar). Later options override these.
"$build/${name}Fuzz" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts" \
    -max_len=8388608 -timeout=1 -rss_limit_mb=4096 "$@" "$corpus" || status=$?

found=$(find "$artifacts" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \
    -o -name 'slow-unit-*' \) -newer "$stamp" -print 2>/dev/null || true)
if [ -n "$found" ]; then
    mkdir -p "$seeds/regressions"
    for f in $found; do
        cp "$f" "$seeds/regressions/"
        echo "kept $(basename "$f") in $seeds/regressions/"
    done
fi
exit $status
