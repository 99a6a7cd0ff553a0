#!/usr/bin/env bash
# Renders the four windows into docs/ for the README. Needs no display: the
# windows are drawn on Qt's offscreen platform, with the program's own fonts.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh
QT_QPA_PLATFORM=offscreen build/shell/beam-deflection-screenshots docs
