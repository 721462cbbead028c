#!/usr/bin/env bash
# Renders the PNG icons from the two SVG drawings. The PNGs are committed, so building never
# needs this; run it after changing a drawing. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/icons"
rsvg-convert -w 16 -h 16 nl.plovena.Plovena-16.svg -o nl.plovena.Plovena-16.png
for maat in 32 48 64 128 256; do
  rsvg-convert -w "$maat" -h "$maat" nl.plovena.Plovena.svg -o "nl.plovena.Plovena-$maat.png"
done
