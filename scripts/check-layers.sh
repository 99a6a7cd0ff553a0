#!/usr/bin/env bash
# Checks that the program's includes form layers: no file includes one from a
# layer above its own, between folders as within them, and toolkit/ and
# physics/ include nothing from the rest of the program. A file that no layer
# names fails too, so that a new file is given its place.
# Usage: scripts/check-layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# From the bottom up; a file's layer is that of the first pattern its path
# without extension matches. Files of one layer may include each other.
layers=(
    "physics/*"
    "toolkit/units toolkit/palette toolkit/layout toolkit/number_reader toolkit/number_text"
    "toolkit/program"
    "toolkit/standard_look toolkit/point_layer toolkit/drawing_surface toolkit/label toolkit/frame toolkit/scroll_bar toolkit/picture_box toolkit/client_area toolkit/control_set toolkit/form_window"
    "toolkit/form"
    "toolkit/application"
    # The beam-window base's model, then the output of any window, then the
    # beam window's own output.
    "beam_common/curve beam_common/beam_window beam_common/change_count beam_common/deflection_table beam_common/curve_list beam_common/readout"
    "beam_common/output_source beam_common/output_pictures beam_common/window_output"
    "beam_common/curve_table beam_common/window_picture"
    # Windows that explain a beam window's curves, which the base window opens.
    "diagrams/*"
    "beam_common/legend_grid beam_common/beam_form"
    "beam_*/*_case"
    "beam_*/*_layout"
    "beam_*/*_form"
    "shell/banner shell/application shell/window_list shell/exit_after_first_paint"
    "shell/main_form"
    "shell/windows"
    "shell/main shell/screenshots"
)

layer_of() {
    local path=${1%.*} i pattern patterns
    for i in "${!layers[@]}"; do
        read -ra patterns <<<"${layers[$i]}"
        for pattern in "${patterns[@]}"; do
            # shellcheck disable=SC2053 # the pattern is a glob on purpose
            if [[ $path == $pattern ]]; then
                echo "$i"
                return
            fi
        done
    done
    echo none
}

status=0
while IFS= read -r file; do
    own=$(layer_of "$file")
    if [[ $own == none ]]; then
        echo "check-layers: $file has no layer; give it one in scripts/check-layers.sh" >&2
        status=1
        continue
    fi
    folder=${file%%/*}
    while IFS= read -r included; do
        [[ -n $included ]] || continue
        if [[ $folder == toolkit || $folder == physics ]] && [[ ${included%%/*} != "$folder" ]]; then
            echo "check-layers: $file includes $included from outside $folder/" >&2
            status=1
            continue
        fi
        theirs=$(layer_of "$included")
        if [[ $theirs == none ]]; then
            echo "check-layers: $file includes $included, which no layer names" >&2
            status=1
        elif ((theirs > own)); then
            echo "check-layers: $file includes $included from a layer above its own" >&2
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files -- 'physics/*' 'toolkit/*' 'beam_common/*' 'beam_*/*' 'diagrams/*' 'shell/*' | grep -E '\.(h|cpp)$')

if ((status == 0)); then
    echo "check-layers: every include goes down or across its layer"
fi
exit "$status"
