#!/usr/bin/env bash
# Writes docs/hoofdvenster.png (the main window with the example open) and
# docs/rapportvenster.png (the report window with its tag count) and docs/tagselectie.png
# (the tag selection dialog with its standard choice).
# Usage: scripts/screenshot.sh [GEDCOM-FILE]   (default examples/voorbeeld.ged)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PLOVENA_BUILD_DIR:-$root/build-screenshot}"
bestand="${1:-$root/examples/voorbeeld.ged}"

[ -f "$bestand" ] || { echo "geen bestand: $bestand" >&2; exit 1; }
if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target plovena_schermafdruk -j2
mkdir -p "$root/docs"
# The windows are drawn off screen, so no display server is needed.
QT_QPA_PLATFORM=offscreen "$build/tests/gui/plovena_schermafdruk" "$bestand" "$root/docs"
