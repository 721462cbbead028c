#!/usr/bin/env bash
# Installs what is missing, builds Plovena and starts the desktop program on the example file.
# Arguments, when given, are passed to plovena-cli instead: scripts/run.sh in.ged personen-tellen
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
scripts/deps.sh
cmake --preset dev >&2
if [[ $# -gt 0 ]]; then
  cmake --build --preset dev --target plovena-cli >&2
  exec build-dev/src/cli/plovena-cli "$@"
fi
cmake --build --preset dev --target plovena plovena-cli >&2
if [[ -z ${DISPLAY:-}${WAYLAND_DISPLAY:-} ]]; then
  # Without a screen the window cannot open; show what the program reports on the example.
  echo "Geen beeldscherm gevonden (DISPLAY en WAYLAND_DISPLAY zijn leeg); plovena-cli in plaats daarvan:" >&2
  exec build-dev/src/cli/plovena-cli examples/voorbeeld.ged bronprogramma personen-tellen
fi
exec build-dev/src/app/plovena examples/voorbeeld.ged
