#!/usr/bin/env bash
# Rebuilds resources/background.png, the main window's background picture,
# with the procedural painter in resources/generator.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

if [[ ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build
fi
cmake --build build --target make-background
QT_QPA_PLATFORM=offscreen build/tools/make-background resources/background.png
echo "wrote resources/background.png"
