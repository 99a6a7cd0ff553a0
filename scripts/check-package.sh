#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built, as a desktop and a
# user would meet it: its files and where they lie, its dependencies, no
# maintainer scripts, the desktop entry and AppStream metadata through their
# validators, the manual pages through man, and the program taken out of the
# package answering --version with no display and opening its main window on
# the offscreen platform.
# Usage: scripts/check-package.sh [package.deb]  (default: build-package/beam-deflection_*.deb)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh desktop-file-utils appstream man-db >&2

deb=${1:-$(ls build-package/beam-deflection_*.deb)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb --extract "$deb" "$work/root"
dpkg-deb --control "$deb" "$work/control"

fail() {
    echo "check-package: $*" >&2
    exit 1
}

# Every file, and only these: the program, the desktop entry, the icon in the
# icon theme's sizes, the metadata, the manual pages and the copyright file.
expected=(
    ./usr/bin/beam-deflection
    ./usr/share/applications/beam-deflection.desktop
    ./usr/share/icons/hicolor/scalable/apps/beam-deflection.svg
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/beam-deflection.png")
done
expected+=(
    ./usr/share/doc/beam-deflection/copyright
    ./usr/share/man/en/man1/beam-deflection.1.gz
    ./usr/share/man/man1/beam-deflection.1.gz
    ./usr/share/metainfo/invalid.beam_deflection.BeamDeflection.metainfo.xml
)
if ! diff <(printf '%s\n' "${expected[@]}" | sort) <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort); then
    fail "the files differ from the expected ones (< expected, > in the package)"
fi

# No maintainer scripts: only the control file and the checksums.
[[ "$(ls "$work/control" | tr '\n' ' ')" == "control md5sums " ]] \
    || fail "control files other than control and md5sums: $(ls "$work/control" | tr '\n' ' ')"

# The libraries from dpkg-shlibdeps, the fonts and Qt's translations.
depends=$(dpkg-deb --field "$deb" Depends)
depended=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6 \
    fonts-arphic-uming fonts-arphic-ukai fonts-dejavu-core qt6-translations-l10n; do
    grep --quiet --line-regexp --fixed-strings "$package" <<<"$depended" \
        || fail "does not depend on $package: $depends"
done

# The copyright file gives the project's licence, LICENSE, whole.
copyright="$work/root/usr/share/doc/beam-deflection/copyright"
grep --quiet --line-regexp 'License: MIT' "$copyright" || fail "the copyright file names no MIT licence"
licence=$(awk '/^License: MIT$/ { text = ""; next } { sub(/^ /, ""); if ($0 == ".") $0 = ""; text = text $0 "\n" } END { printf "%s", text }' "$copyright")
[[ "$licence" == "$(tail -n +3 LICENSE)" ]] \
    || fail "the copyright file does not hold the text of LICENSE"

desktop-file-validate "$work/root/usr/share/applications/beam-deflection.desktop" \
    || fail "desktop-file-validate found errors"
appstreamcli validate --no-net "$work/root"/usr/share/metainfo/*.metainfo.xml \
    || fail "appstreamcli found problems in the metadata"
# The manual pages as man finds them: the Traditional Chinese one by default,
# the English one with -L en; each renders without warnings.
manuals="$work/root/usr/share/man"
for page in "man1:名稱" "en/man1:NAME"; do
    file="$manuals/${page%%:*}/beam-deflection.1.gz"
    rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --encoding=UTF-8 --local-file "$file" 2>/dev/null)
    grep --quiet --line-regexp --fixed-strings "${page#*:}" <<<"$rendered" \
        || fail "the manual page ${page%%:*} has no heading ${page#*:}"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings --encoding=UTF-8 --local-file "$file" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "the manual page ${page%%:*} has warnings: $warnings"
done
found=$(LC_ALL=C.UTF-8 MANPATH="$manuals" man --where beam-deflection)
[[ "$found" == "$manuals/man1/beam-deflection.1.gz" ]] || fail "man beam-deflection finds $found"
found=$(LC_ALL=C.UTF-8 MANPATH="$manuals" man -L en --where beam-deflection)
[[ "$found" == "$manuals/en/man1/beam-deflection.1.gz" ]] || fail "man -L en beam-deflection finds $found"

# The program as packaged: --version with no display at all, then a start on
# the offscreen platform that quits once the main window is painted.
program="$work/root/usr/bin/beam-deflection"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)
[[ "$version" == "beam-deflection $(dpkg-deb --field "$deb" Version)" ]] \
    || fail "--version answers \"$version\""
QT_QPA_PLATFORM=offscreen BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT=1 timeout 60 "$program" 2>/dev/null \
    || fail "the program did not start and paint its main window on the offscreen platform"
QT_QPA_PLATFORM=offscreen "$program" --version >/dev/null || fail "--version fails on the offscreen platform"

echo "check-package: $(basename "$deb") is in order (${#expected[@]} files; depends on $depends)"
