#!/usr/bin/env bash
# Checks the desktop integration and the Debian package: validates the desktop, MIME, AppStream
# and help files, builds the .deb with scripts/pakket.sh, unpacks it into a fresh folder and runs
# the installed plovena-cli on the example file.
# Needs desktop-file-utils, appstream, shared-mime-info, libxml2-utils and dpkg-dev.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
ID=nl.plovena.Plovena
werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT

stap() { echo "-- $*"; }
fout() { echo "FOUT: $*" >&2; exit 1; }

stap "desktop-bestand"
desktop-file-validate packaging/$ID.desktop

stap "AppStream-metainfo"
appstreamcli validate --no-net packaging/$ID.metainfo.xml

stap "MIME-type"
mkdir -p "$werk/mime/packages"
cp packaging/$ID.xml "$werk/mime/packages/"
XDG_DATA_DIRS="$werk:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" update-mime-database "$werk/mime"
grep -qx 'application/x-gedcom:\*\.ged' <(cut -d: -f2- "$werk/mime/globs2") || fout "*.ged staat niet in de MIME-database"

stap "helppagina"
xmllint --noout help/plovena-help.html
# Self-contained: no scripts, and nothing fetched from elsewhere.
if grep -nE '<script|<link|<img|<iframe|@import|url\(|(src|href)="(https?:|//)' help/plovena-help.html; then
  fout "de helppagina verwijst naar iets buiten zichzelf"
fi

stap "Debian-pakket"
deb=$(scripts/pakket.sh | tail -n 1)
[[ -f $deb ]] || fout "geen pakket gemaakt"
info=$(dpkg-deb -I "$deb")
echo "$info" | grep -E '^ (Package|Version|Depends|Recommends|Section|Maintainer):'
for pakket in libqt6widgets6 libqt6gui6 libqt6core6 libicu; do
  grep -q "^ Depends:.*$pakket" <<<"$info" || fout "Depends noemt $pakket niet"
done

stap "uitgepakt pakket"
boom="$werk/boom"
dpkg-deb -x "$deb" "$boom"
for f in usr/bin/plovena usr/bin/plovena-cli usr/share/applications/$ID.desktop \
         usr/share/metainfo/$ID.metainfo.xml usr/share/mime/packages/$ID.xml \
         usr/share/icons/hicolor/scalable/apps/$ID.svg usr/share/plovena/plovena-help.html; do
  [[ -f $boom/$f ]] || fout "$f ontbreekt in het pakket"
done
for maat in 16 32 48 64 128 256; do
  [[ -f $boom/usr/share/icons/hicolor/${maat}x${maat}/apps/$ID.png ]] || fout "pictogram $maat ontbreekt"
done
if ldd "$boom/usr/bin/plovena" "$boom/usr/bin/plovena-cli" | grep 'not found'; then
  fout "het pakket mist bibliotheken"
fi
appstreamcli validate-tree --no-net "$boom"

stap "geïnstalleerde plovena-cli"
uit=$("$boom/usr/bin/plovena-cli" examples/voorbeeld.ged bronprogramma)
echo "$uit"
grep -q '^Bronprogramma: HAZA21' <<<"$uit" || fout "plovena-cli gaf niet het verwachte bronprogramma"

echo "Pakket in orde: $deb"
