#!/usr/bin/env bash
# Installs what is missing, builds everything in build-asan/ with
# AddressSanitizer (leak checking on) and UndefinedBehaviorSanitizer, and runs
# every test there. A report ends the program that made it, so its test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# Debug keeps the program's own assertions on; the benchmarks are left out, as
# their figures mean nothing in an instrumented build.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=address,undefined \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build build-asan --parallel "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
# Only leaks of system libraries outside the project are suppressed.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The instrumented build is several times slower; the randomized-use test runs
# its full count of actions in scripts/test.sh, here a few thousand.
export RANDOM_USE_ACTIONS=${RANDOM_USE_ACTIONS:-3000}
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"
