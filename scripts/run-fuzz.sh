#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets of fuzz/ with clang, ASan and UBSan in
# build-fuzz/ and runs each for a bounded time on a copy of its seed corpus;
# fails on the first crash, leak, sanitizer report or timeout.
#   scripts/run-fuzz.sh                      20 seconds per target
#   FUZZ_SECONDS=300 scripts/run-fuzz.sh     longer runs
#   FUZZ_SEED=random scripts/run-fuzz.sh     a new random walk each run; by
#                                            default the walk is fixed, so that
#                                            a gate passes or fails the same way
#   scripts/run-fuzz.sh jet_sql dims         only these targets
#   ZEPT_FUZZ_BUILD=build-asan scripts/run-fuzz.sh
#                                            the targets of a build that has them
#                                            (ZEPT_SANITIZE=1 scripts/run-tests.sh's)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-fuzz
if [[ -n ${ZEPT_FUZZ_BUILD:-} ]]; then build=$(cd "$root" && cd "$ZEPT_FUZZ_BUILD" && pwd); fi
seconds=${FUZZ_SECONDS:-20}
seed=${FUZZ_SEED:-1}
targets=(korva_analyser pdl_analyser contour_reader genuine_file dxf_reader hatch jet_sql catalog_reader dims splitters record_input event_script)
if (($#)); then targets=("$@"); fi

# clang with its runtime libraries (libFuzzer and the sanitizers).
"$root/scripts/deps.sh" clang libclang-rt-dev

jobs=$(nproc 2>/dev/null || echo 2)
if [[ -z ${ZEPT_FUZZ_BUILD:-} ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZEPT_FUZZ=ON -DZEPT_SANITIZE=ON \
    -DZEPT_BUILD_TESTS=OFF -DZEPT_BUILD_BENCH=OFF -DZEPT_BUILD_TOOLS=OFF
fi
cmake --build "$build" --parallel "$jobs" --target "${targets[@]/#/fuzz_}"

# The dictionary of each target; the others share the section texts' one.
declare -A dict=([jet_sql]=jet_sql.dict [record_input]=record_input.dict [dims]=none [splitters]=none [event_script]=none)

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}

# Inputs far beyond the corpus's length: deep or endless structure and long
# numbers, each of which must be read in bounded time and memory.
big=$build/big
rm -rf "$big"
mkdir -p "$big"
# repeat TEXT COUNT: TEXT written COUNT times.
repeat() ( set +o pipefail; yes -- "$1" | head -n "$2" | tr -d '\n' )
mb=1048576
repeat '(' $mb >"$big/parens"
{ printf '"mm" '; repeat '(' $mb; } >"$big/quoted-parens"
{ printf '"mm" ( '; repeat ')' $mb; } >"$big/closing"
{ printf '"mm" ( ( (S ( '; repeat '(L1-2)' $((mb / 6)); printf ' ) 0 ( ) ) ) )'; } >"$big/segments"
{ printf '"mm" ( ( (S ( (L 0.'; repeat 0 $mb; printf '1 2) ) 0 ( ) ) ) )'; } >"$big/digits"
{ printf '1#0-0'; repeat ':1-2' $((mb / 4)); } >"$big/old-points"
{ printf '1#'; repeat 9 $mb; printf -- '-1'; } >"$big/old-digits"
{ printf 'StartContour(0,0,ext);'; repeat 'LineTo(1,2);' $((mb / 12)); } >"$big/script"
{ printf 'StartContour('; repeat '(' $mb; } >"$big/script-nesting"

# Genuine Access files start from the public samples of the tests, and from
# a bare Jet 4 header.
seed_genuine() {
  local work=$1 samples=$root/tests/samples/access
  { printf '\0\1\0\0Standard Jet DB\0\1'; head -c 4075 /dev/zero; } >"$work/jet4-header"
  if [[ -d $samples ]]; then cp "$samples"/*.mdb "$work"/ 2>/dev/null || true; fi
}

for target in "${targets[@]}"; do
  binary=$build/fuzz/fuzz_$target
  work=$build/corpus/$target
  rm -rf "$work"
  mkdir -p "$work" "$build/artifacts" "$root/fuzz/corpus/$target"
  if [[ $target == genuine_file ]]; then seed_genuine "$work"; fi
  # Committed seeds and those the build makes (real catalogs).
  seeds=()
  for dir in "$root/fuzz/corpus/$target" "$build/fuzz/corpus/$target"; do
    [[ -d $dir ]] && seeds+=("$dir")
  done
  words=${dict[$target]:-korva.dict}
  options=()
  [[ $seed != random ]] && options+=(-seed="$seed")
  [[ $words != none ]] && options+=(-dict="$root/fuzz/$words")
  echo "fuzz: $target, large inputs"
  "$binary" -rss_limit_mb=4096 -timeout=60 "$big"/*
  echo "fuzz: $target, $seconds s"
  "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${options[@]}" \
    -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1 "$work" "${seeds[@]}"
done
echo "fuzz: no failures"
