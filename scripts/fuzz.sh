#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (clang, AddressSanitizer, UndefinedBehaviorSanitizer) in
# a build folder of their own and runs each for SECONDS seconds (default 60). Fails when any
# target finds something; the input that did it is kept in BUILD/bevindingen/.
#
#   scripts/fuzz.sh            # about a minute per target, as CI runs it
#   scripts/fuzz.sh 3600       # an hour per target
#   FUZZ_DOELEN=fuzz_cli scripts/fuzz.sh 600   # one target
#
# The seeds are the real GEDCOM files (PLOVENA_TESTDATA_DIR, else ../shared/testdata/real beside
# the checkout), the example and fuzz/corpus/TARGET; what the fuzzer finds interesting grows in
# BUILD/corpus/TARGET and is reused by the next run. Reproduce a finding with
#   BUILD/fuzz/TARGET BUILD/bevindingen/TARGET-crash-...
set -euo pipefail

SECONDEN=${1:-60}
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${PLOVENA_FUZZ_BUILD:-$ROOT/build-fuzz}
TESTDATA=${PLOVENA_TESTDATA_DIR:-$ROOT/../shared/testdata/real}
DOELEN=(${FUZZ_DOELEN:-fuzz_document fuzz_regel fuzz_cli})

if ! [[ $SECONDEN =~ ^[0-9]+$ ]] || (( SECONDEN == 0 )); then
  echo "Gebruik: scripts/fuzz.sh [SECONDEN_PER_DOEL]" >&2
  exit 2
fi

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLOVENA_FUZZ=ON -DPLOVENA_GUI=OFF -DPLOVENA_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target fuzz

# Inputs longer than this are cut by libFuzzer: 16 KB of a document hold every construct and keep
# the runs fast (every command runs on each input).
max_len() {
  case $1 in
    fuzz_document) echo 16384 ;;
    fuzz_regel) echo 4096 ;;
    fuzz_cli) echo 1024 ;;
  esac
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

mislukt=()
for doel in "${DOELEN[@]}"; do
  werk="$BUILD/corpus/$doel"
  bevindingen="$BUILD/bevindingen"
  mkdir -p "$werk" "$bevindingen"
  zaad=()
  if [[ $doel != fuzz_cli ]]; then
    [[ -d $TESTDATA ]] && zaad+=("$TESTDATA") || echo "Let op: geen echte bestanden in $TESTDATA" >&2
    zaad+=("$ROOT/examples")
  fi
  [[ -d $ROOT/fuzz/corpus/$doel ]] && zaad+=("$ROOT/fuzz/corpus/$doel")

  echo "== $doel: $SECONDEN s"
  # The first folder is the one libFuzzer writes to; the seeds are only read.
  if ! "$BUILD/fuzz/$doel" -max_total_time="$SECONDEN" -rss_limit_mb=4096 -timeout=10 \
      -max_len="$(max_len "$doel")" -print_final_stats=1 -artifact_prefix="$bevindingen/$doel-" \
      "$werk" "${zaad[@]}" 2>"$BUILD/$doel.log"; then
    tail -n 60 "$BUILD/$doel.log" >&2
    mislukt+=("$doel")
  else
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$BUILD/$doel.log" || true
  fi
done

if (( ${#mislukt[@]} )); then
  echo "Bevindingen in: ${mislukt[*]} (zie $BUILD/bevindingen/ en $BUILD/*.log)" >&2
  exit 1
fi
echo "Geen bevindingen."
