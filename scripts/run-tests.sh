#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the library and its tests and runs them through CTest.
#   scripts/run-tests.sh                  optimised build in build/
#   ZEPT_SANITIZE=1 scripts/run-tests.sh  ASan+UBSan build in build-asan/
#   scripts/run-tests.sh --sanitize       the same
# Extra arguments after the options go to ctest (e.g. -R CString).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sanitize=${ZEPT_SANITIZE:-0}
ctest_args=()
for arg in "$@"; do
  case $arg in
    --sanitize) sanitize=1 ;;
    *) ctest_args+=("$arg") ;;
  esac
done

"$root/scripts/deps.sh"

jobs=$(nproc 2>/dev/null || echo 2)
if [[ $sanitize == 1 ]]; then
  build=$root/build-asan
  # Unoptimised: ASan and UBSan find the same faults, and optimising
  # instrumented code made the build several times slower (45 s against 6 s
  # for one test file).
  options=(-DCMAKE_BUILD_TYPE=Debug -DZEPT_SANITIZE=ON -DZEPT_BUILD_BENCH=OFF -DZEPT_BUILD_TOOLS=ON)
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
else
  build=$root/build
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPT_SANITIZE=OFF)
fi

cmake -S "$root" -B "$build" -G Ninja -DZEPT_BUILD_TESTS=ON -DZEPT_WERROR=ON "${options[@]}"
cmake --build "$build" --parallel "$jobs"
# A build that discovers no test is a failure, not a pass.
ctest --test-dir "$build" --output-on-failure --no-tests=error -j"$jobs" "${ctest_args[@]}"
