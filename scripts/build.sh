#!/usr/bin/env bash
# Configures and builds the program, its tests and benchmarks in build/.
# Usage: scripts/build.sh [extra CMake options]
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build build --parallel "$(nproc)"
