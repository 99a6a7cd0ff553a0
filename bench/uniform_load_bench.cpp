// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>
