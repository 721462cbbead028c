#!/usr/bin/env bash
# Builds the Debian package of Plovena and prints its path.
# Usage: scripts/pakket.sh   (build folder: build-pakket, or PLOVENA_PAKKET_DIR)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${PLOVENA_PAKKET_DIR:-$ROOT/build-pakket}

# Only the two programs: the tests and benchmarks are no part of the package, so cpack must not
# build everything before it installs.
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DPLOVENA_TESTS=OFF -DPLOVENA_GUI=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$BUILD" --target plovena plovena-cli -j2
rm -f "$BUILD"/plovena_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)

deb=$(ls "$BUILD"/plovena_*.deb)
echo "$deb"
