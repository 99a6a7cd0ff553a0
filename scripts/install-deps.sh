#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and
# only those that are missing. Usage: scripts/install-deps.sh [extra packages]
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-svg-dev qt6-translations-l10n
    fonts-arphic-uming fonts-arphic-ukai fonts-dejavu-core
    libbenchmark-dev
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
