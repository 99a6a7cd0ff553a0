#!/usr/bin/env bash
# Builds the Debian package of the program with CPack, in build-package/, and
# prints its path. Install it with: apt install ./beam-deflection_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps finds the package's library dependencies.
scripts/install-deps.sh dpkg-dev >&2
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package --parallel "$(nproc)" >/dev/null
(cd build-package && cpack >&2)
ls "$PWD"/build-package/beam-deflection_*.deb
