#!/usr/bin/env bash
# Installs what is missing, builds the number reader's libFuzzer target with
# clang in build-fuzz/, and fuzzes it for a bounded time.
# Usage: scripts/fuzz.sh [seconds]   (default 60)
# New inputs the fuzzer finds go to a temporary folder; fuzz/corpus/ stays the
# small seed set. A failing input is written to build-fuzz/ as crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
scripts/install-deps.sh clang libclang-rt-14-dev
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build-fuzz/number_reader_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$corpus" fuzz/corpus
