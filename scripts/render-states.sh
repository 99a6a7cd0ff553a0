#!/usr/bin/env bash
# Renders every window in many states into a folder, on Qt's offscreen
# platform, to check that a change keeps the pixels:
#   scripts/render-states.sh /tmp/before    (on the old code)
#   scripts/render-states.sh /tmp/after     (on the new code)
#   diff -r /tmp/before /tmp/after          (no output: the same pixels)
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $# -ne 1 ]]; then
    echo "usage: scripts/render-states.sh OUTPUT_FOLDER" >&2
    exit 2
fi
scripts/build.sh >/dev/null
rm -rf "$1"
QT_QPA_PLATFORM=offscreen build/shell/beam-deflection-screenshots --states "$1"
echo "$(ls "$1" | wc -l) pictures in $1"
