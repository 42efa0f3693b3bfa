#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the library and its tests and runs them through CTest.
#   scripts/run-tests.sh                  GCC Release (-O3) in build/
#   ZEPT_SANITIZE=1 scripts/run-tests.sh  clang Debug with ASan+UBSan (and the
#                                         fuzz targets) in build-asan/
#   ZEPT_SHARED=1 scripts/run-tests.sh    GCC Release, shared library, in build-shared/
#   scripts/run-tests.sh --sanitize | --shared   the same
# Extra arguments after the options go to ctest (e.g. -R CString).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sanitize=${ZEPT_SANITIZE:-0}
shared=${ZEPT_SHARED:-0}
ctest_args=()
for arg in "$@"; do
  case $arg in
    --sanitize) sanitize=1 ;;
    --shared) shared=1 ;;
    *) ctest_args+=("$arg") ;;
  esac
done

if [[ $sanitize == 1 ]]; then
  # clang with its runtime libraries (the sanitizers and libFuzzer).
  "$root/scripts/deps.sh" clang libclang-rt-dev
else
  "$root/scripts/deps.sh"
fi

jobs=$(nproc 2>/dev/null || echo 2)
if [[ $sanitize == 1 ]]; then
  build=$root/build-asan
  # Unoptimised: ASan and UBSan find the same faults, and optimising
  # instrumented code made the build several times slower (45 s against 6 s
  # for one test file). The fuzz targets come with it, so that
  # scripts/run-fuzz.sh can run them from this build.
  options=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
    -DZEPT_SANITIZE=ON -DZEPT_FUZZ=ON -DZEPT_BUILD_BENCH=OFF -DZEPT_BUILD_TOOLS=ON)
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
elif [[ $shared == 1 ]]; then
  build=$root/build-shared
  options=(-DCMAKE_BUILD_TYPE=Release -DZEPT_SANITIZE=OFF -DBUILD_SHARED_LIBS=ON -DZEPT_BUILD_BENCH=OFF)
else
  build=$root/build
  options=(-DCMAKE_BUILD_TYPE=Release -DZEPT_SANITIZE=OFF)
fi

cmake -S "$root" -B "$build" -G Ninja -DZEPT_BUILD_TESTS=ON -DZEPT_WERROR=ON "${options[@]}"
cmake --build "$build" --parallel "$jobs"
# A build that discovers no test is a failure, not a pass.
ctest --test-dir "$build" --output-on-failure --no-tests=error -j"$jobs" "${ctest_args[@]}"
