#!/usr/bin/env bash
# Installs what is missing, builds Plovena and runs it on the example file.
# Arguments, when given, replace the example run: scripts/run.sh -o uit.ged in.ged zonder-achternaam
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
scripts/deps.sh
cmake --preset dev >&2
cmake --build --preset dev --target plovena-cli >&2
if [[ $# -eq 0 ]]; then
  set -- examples/voorbeeld.ged bronprogramma
fi
exec build-dev/src/cli/plovena-cli "$@"
