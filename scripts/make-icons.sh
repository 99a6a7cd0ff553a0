#!/usr/bin/env bash
# Renders the program's icon, resources/icons/beam-deflection.svg, into the
# PNG sizes of the desktop's icon theme (resources/icons/beam-deflection-N.png),
# with librsvg, as the desktop itself would draw the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh librsvg2-bin
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" resources/icons/beam-deflection.svg \
        --output "resources/icons/beam-deflection-$size.png"
done
echo "wrote resources/icons/beam-deflection-{16,22,24,32,48,64,128,256}.png"
