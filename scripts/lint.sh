#!/usr/bin/env bash
# Runs clang-tidy, with the checks of .clang-tidy, over the project's own
# sources (not the moc and resource code that the build generates) and fails
# on any finding. Usage: scripts/lint.sh [FILE...]  (default: every source)
# Environment: LINT_BUILD_DIR, the build folder whose compile commands are
# used (default build-lint; configured here if needed).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh clang-tidy python3 >&2

build=${LINT_BUILD_DIR:-build-lint}
cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DBUILD_TESTING=ON >/dev/null
# The sources include their moc output; generate it without compiling.
mapfile -t autogen < <(cmake --build "$build" --target help | sed -n 's/^\.\.\. \(.*_autogen\)$/\1/p')
cmake --build "$build" --parallel "$(nproc)" --target "${autogen[@]}" >/dev/null

if (($# > 0)); then
    sources=("$@")
else
    mapfile -t sources < <(python3 - "$build" <<'PY'
import json, os, sys
build = os.path.realpath(sys.argv[1])
top = os.path.realpath(".")
seen = set()
with open(os.path.join(build, "compile_commands.json")) as f:
    for entry in json.load(f):
        path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
        if path.startswith(top + os.sep) and not path.startswith(build + os.sep) and path not in seen:
            seen.add(path)
            print(os.path.relpath(path, top))
PY
    )
fi

# One output file per source, so that parallel runs do not interleave; a
# header's findings, repeated by every source that includes it, count once.
outputs="$build/clang-tidy"
rm -rf "$outputs"
mkdir -p "$outputs"
echo "clang-tidy: ${#sources[@]} files, $(nproc) at a time" >&2
printf '%s\0' "${sources[@]}" | xargs -0 -n 1 -P "$(nproc)" sh -c \
    'clang-tidy -p "$1" --quiet "$3" >"$2/$(echo "$3" | tr / _).txt" 2>/dev/null || true' sh "$build" "$outputs"

report="$build/clang-tidy.txt"
cat "$outputs"/*.txt >"$report"
findings=$(grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error):' "$report" | sed "s|^$PWD/||" | sort -u || true)
if [[ -n "$findings" ]]; then
    echo "$findings"
    echo
    echo "clang-tidy: $(echo "$findings" | wc -l) findings (full output in $report); by check:"
    echo "$findings" | grep -oE '\[[^]]+\]$' | sort | uniq -c | sort -rn
    exit 1
fi
echo "clang-tidy: no findings in ${#sources[@]} files"
