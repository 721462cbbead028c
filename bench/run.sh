#!/usr/bin/env bash
# Measures plovena-cli as whole processes on generated files of 1M and 2M lines and prints a
# Markdown table (stdout only; nothing is written into the checkout but the build folder).
#
#   bench/run.sh                 Release build in build-bench, 5 runs per figure
#   RUNS=9 bench/run.sh          more runs per median
#   GUI=0 bench/run.sh           skip the desktop-program timings (no Qt build)
#   BUILD=/pad bench/run.sh      another build folder
#   N1=100000 N2=200000 ...      other file sizes (the table's headings follow)
#   INSTRUCTIES=1 bench/run.sh   also count instructions under valgrind (about 10 minutes): the
#                                2M/1M ratio without the noise of a shared machine
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build-bench}
RUNS=${RUNS:-5}
GUI=${GUI:-1}
N1=${N1:-1000000}
N2=${N2:-2000000}
ZAAD=${ZAAD:-1}

for tool in cmake ninja mawk; do
  command -v "$tool" >/dev/null || { echo "run.sh: '$tool' ontbreekt (apt-get install -y $tool)" >&2; exit 2; }
done

gui_optie=OFF
[[ $GUI == 1 ]] && gui_optie=ON
echo "Bouwen (Release) in $BUILD ..." >&2
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLOVENA_TESTS=OFF \
  -DPLOVENA_GUI=$gui_optie >/dev/null
doelen=(plovena-cli gedcom-genereren bench-meten)
heeft_gui_bench=0
if [[ $GUI == 1 ]] && ninja -C "$BUILD" -t targets all 2>/dev/null | grep -q '^plovena-gui-bench:'; then
  doelen+=(plovena-gui-bench)
  heeft_gui_bench=1
fi
cmake --build "$BUILD" --target "${doelen[@]}" >&2

CLI=$BUILD/src/cli/plovena-cli
GEN=$BUILD/bench/gedcom-genereren
METEN=$BUILD/bench/bench-meten

TMP=$(mktemp -d "${TMPDIR:-/tmp}/plovena-bench.XXXXXX")
trap 'rm -rf "$TMP"' EXIT
IN1=$TMP/n1.ged
IN2=$TMP/n2.ged
"$GEN" "$N1" "$ZAAD" "$IN1"
"$GEN" "$N2" "$ZAAD" "$IN2"
grootte1=$(stat -c %s "$IN1")
grootte2=$(stat -c %s "$IN2")

# One figure: "median_s min_s max_s peak_kib status median_cpu_s" of RUNS runs of the command.
meet() { "$METEN" -n "$RUNS" -- "$@"; }

mb() { awk -v b="$1" 'BEGIN { printf "%.1f MB", b / 1e6 }'; }
regels() { awk -v n="$1" 'BEGIN { if (n % 1000000 == 0) printf "%dM", n / 1e6; else printf "%dk", n / 1000 }'; }
k1=$(regels "$N1")
k2=$(regels "$N2")

# label|cli arguments after INVOER
gevallen=(
  "openen (bronprogramma, zonder -o)|bronprogramma"
  "openen + bewaren (bronprogramma -o)|bronprogramma -o @UIT@"
  "inspringen|inspringen -o @UIT@"
  "tab-delimited|tab-delimited -o @UIT@"
  "tags-tellen|tags-tellen -o @UIT@"
  "tag-combinaties|tag-combinaties -o @UIT@"
  "tag-combinaties-gesorteerd|tag-combinaties-gesorteerd -o @UIT@"
  "personen-tellen|personen-tellen -o @UIT@"
  "tags-lijst|tags-lijst -o @UIT@"
  "tags-verwijderen --tags \"NOTE _UID\"|tags-verwijderen --tags 'NOTE _UID' -o @UIT@"
  "bronnen-verwijderen|bronnen-verwijderen -o @UIT@"
  "gezinstags-opschonen|gezinstags-opschonen -o @UIT@"
  "beroepen-samenvoegen|beroepen-samenvoegen -o @UIT@"
  "plaatsen-samenvoegen|plaatsen-samenvoegen -o @UIT@"
  "occu-resi-correctie|occu-resi-correctie -o @UIT@"
  "sour-correctie|sour-correctie -o @UIT@"
  "note-cont-correctie|note-cont-correctie -o @UIT@"
  "zonder-achternaam|zonder-achternaam -o @UIT@"
)

# The same rewrite as zonder-achternaam, as a user would write it in awk: level-1 NAME lines
# whose value holds "//" get the value before it plus "/-/", the line rebuilt as "1 NAME value".
AWK_ZONDER='BEGIN { ORS = "\r\n" }
{ sub(/\r$/, "") }
$1 == "1" && toupper($2) == "NAME" {
  t = $0; sub(/^[\001- ]+/, "", t); sub(/[\001- ]+$/, "", t)
  r = substr(t, 3); s = index(r, " ")
  if (s) { v = substr(r, s + 1); p = index(v, "//"); if (p) $0 = "1 NAME " substr(v, 1, p - 1) "/-/" }
}
{ print }'

echo "# Plovena-benchmark $(date -u +%Y-%m-%d)"
echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'); commit $(git -C "$ROOT" rev-parse --short HEAD 2>/dev/null || echo '?')."
echo "Invoer: $k1 regels ($(mb "$grootte1")) en $k2 regels ($(mb "$grootte2")), gedcom-genereren zaad $ZAAD."
echo "Mediaan van $RUNS runs van het hele proces, na één opwarmrun; piekgeheugen = maximale RSS / bestandsgrootte;"
echo "CPU = user + system van het proces (mediaan), los van andere belasting van de machine (belasting nu: $(cut -d' ' -f1-3 /proc/loadavg))."
echo
echo "| opdracht | $k1 (s) | $k2 (s) | $k2/$k1 | piekgeheugen $k1 | CPU $k1 (s) | CPU $k2 (s) |"
echo "|---|---:|---:|---:|---:|---:|---:|"

gemist=()
declare -A tijd1
for geval in "${gevallen[@]}"; do
  label=${geval%%|*}
  args=${geval#*|}
  metingen=()
  for n in 1 2; do
    in=$IN1; [[ $n == 2 ]] && in=$IN2
    uit=$TMP/uit$n.ged
    eval "woorden=(${args//@UIT@/\"\$uit\"})"  # our own constant texts, shell-quoted
    metingen+=("$(meet "$CLI" "$in" "${woorden[@]}")")
  done
  read -r t1 _ _ piek1 st1 c1 <<<"${metingen[0]}"
  read -r t2 _ _ _ st2 c2 <<<"${metingen[1]}"
  tijd1[$label]=$t1
  # The output of zonder-achternaam is kept for the comparison with awk's.
  [[ $label == zonder-achternaam ]] && cp "$TMP/uit2.ged" "$TMP/zonder-plovena.ged"
  regel=$(awk -v l="$label" -v t1="$t1" -v t2="$t2" -v p="$piek1" -v g="$grootte1" \
              -v n1="$N1" -v n2="$N2" -v s1="$st1" -v s2="$st2" -v c1="$c1" -v c2="$c2" 'BEGIN {
    r = t2 / t1; m = p * 1024 / g; mis = ""
    if (t1 > 0.5 * n1 / 1e6 || t2 > 0.5 * n2 / 1e6)
      mis = mis ((c1 > 0.5 * n1 / 1e6 || c2 > 0.5 * n2 / 1e6) ? " tijd" : " tijd-wandklok (CPU binnen het doel)")
    # On a shared machine the wall-clock ratio follows the load of other work; the CPU ratio does not.
    if (r > 2.2) mis = mis ((c2 / c1 > 2.2) ? " verhouding" : " verhouding-wandklok (CPU " sprintf("%.2f", c2 / c1) ")")
    if (m > 3) mis = mis " geheugen"
    st = (s1 != 0 || s2 != 0) ? sprintf(" (exit %d/%d)", s1, s2) : ""
    printf "| %s%s | %.3f | %.3f | %.2f | %.2fx | %.3f | %.3f |%s\n", l, st, t1, t2, r, m, c1, c2, mis
  }')
  echo "${regel%|*}|"
  mis=${regel##*|}
  [[ -n $mis ]] && gemist+=("$label:$mis")
done

# A row for another program: label, its stdout, the command with @IN@ for the input file.
# Leaves the median at the smaller size in ander_t1.
ander() {
  local label=$1 uitvoer=$2; shift 2
  local a b t1 t2 p1 c1 c2
  a=$("$METEN" -n "$RUNS" -u "$uitvoer" -- "${@/@IN@/$IN1}")
  b=$("$METEN" -n "$RUNS" -u "$uitvoer" -- "${@/@IN@/$IN2}")
  read -r t1 _ _ p1 _ c1 <<<"$a"
  read -r t2 _ _ _ _ c2 <<<"$b"
  awk -v l="$label" -v t1="$t1" -v t2="$t2" -v p="$p1" -v g="$grootte1" -v c1="$c1" -v c2="$c2" 'BEGIN {
    printf "| %s | %.3f | %.3f | %.2f | %.2fx | %.3f | %.3f |\n", l, t1, t2, t2 / t1, p * 1024 / g, c1, c2 }'
  ander_t1=$t1
}
# mawk writes its result to a file, as plovena-cli does with -o.
ander "mawk, dezelfde herschrijving als zonder-achternaam" "$TMP/zonder-awk.ged" mawk "$AWK_ZONDER" @IN@
mt1=$ander_t1
ander "cat BESTAND > /dev/null (ondergrens)" /dev/null cat @IN@
echo

# awk's output (of the 2M file, written last) must be plovena's, or the comparison means nothing.
gelijk="gelijk aan die van plovena-cli"
cmp -s "$TMP/zonder-awk.ged" "$TMP/zonder-plovena.ged" || gelijk="VERSCHILT van die van plovena-cli"
awk -v p="${tijd1[zonder-achternaam]}" -v m="$mt1" -v g="$gelijk" -v k="$k1" 'BEGIN {
  printf "zonder-achternaam / mawk bij %s: %.2f (doel <= 2; uitvoer van mawk %s)\n", k, p / m, g }'

if ((${#gemist[@]})); then
  echo
  echo "Doel gemist (<= 0.5 s per 1M regels, $k2/$k1 <= 2.2, piek <= 3x bestand):"
  for g in "${gemist[@]}"; do echo "- $g"; done
fi

if [[ ${INSTRUCTIES:-0} == 1 ]]; then
  command -v valgrind >/dev/null || { echo "run.sh: valgrind ontbreekt (apt-get install -y valgrind)" >&2; exit 2; }
  echo
  echo "## Instructies (valgrind --tool=callgrind, hele proces)"
  echo
  echo "| opdracht | $k1 (10^6) | $k2 (10^6) | $k2/$k1 |"
  echo "|---|---:|---:|---:|"
  for geval in "${gevallen[@]}"; do
    label=${geval%%|*}
    args=${geval#*|}
    ir=()
    for n in 1 2; do
      in=$IN1; [[ $n == 2 ]] && in=$IN2
      uit=$TMP/uit$n.ged
      eval "woorden=(${args//@UIT@/\"\$uit\"})"
      ir+=("$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$CLI" "$in" "${woorden[@]}" 2>&1 >/dev/null |
              awk '/Collected/ { print $NF }')")
    done
    awk -v l="$label" -v a="${ir[0]}" -v b="${ir[1]}" 'BEGIN { printf "| %s | %.0f | %.0f | %.3f |\n", l, a / 1e6, b / 1e6, b / a }'
  done
fi

if ((heeft_gui_bench)); then
  echo
  echo "## Bureaubladprogramma ($k1 regels, offscreen)"
  echo
  QT_QPA_PLATFORM=offscreen "$BUILD/bench/plovena-gui-bench" "$IN1" "$RUNS"
fi
