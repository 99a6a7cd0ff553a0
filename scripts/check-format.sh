#!/usr/bin/env bash
# Checks that the project's C++ sources and headers are laid out as
# .clang-format says; changes nothing. Lists each file that would change with
# the number of its lines that would. Usage: scripts/check-format.sh [--diff]
# (--diff also prints what would change). To apply: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh clang-format >&2

show_diff=false
[[ "${1:-}" == "--diff" ]] && show_diff=true

# Every .h and .cpp outside .git and the build folders (build, build-*).
mapfile -d '' files < <(find . \( -path ./.git -o -path './build*' \) -prune -o \
    -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

failed=0
changed_lines=0
for file in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$file" 2>/dev/null; then
        lines=$(clang-format "$file" | diff -U0 "$file" - | grep -c '^-[^-]' || true)
        echo "needs formatting: ${file#./} ($lines lines)"
        $show_diff && { clang-format "$file" | diff -u "$file" - || true; }
        failed=$((failed + 1))
        changed_lines=$((changed_lines + lines))
    fi
done

if ((failed > 0)); then
    echo "format: $failed of ${#files[@]} files, $changed_lines lines, differ from .clang-format" >&2
    exit 1
fi
echo "format: all ${#files[@]} files match .clang-format"
