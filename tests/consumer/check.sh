#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the consumer program of this folder the way another project builds
# on the library, and checks what it gets:
#   check.sh installed BUILD_DIR
#       installs BUILD_DIR into a temporary prefix (which must hold the
#       public headers only), builds the consumer once through
#       find_package(zeptdb) and once through pkg-config, and runs both with
#       an empty environment: each must read IPE 300 from the installed
#       catalogs.
#   check.sh subdir [COMPILER:BUILD_TYPE...]
#       builds the consumer with the source tree as its add_subdirectory, for
#       each pair given (default gcc:Release), runs it with an empty
#       environment (it must read IPE 300 from the catalogs the build made),
#       and checks that the library leaves the consumer's cache and install
#       alone. COMPILER is gcc or clang.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/zeptdb-consumer.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() { echo "consumer: $*" >&2; exit 1; }

# expect_ipe300 PROGRAM: run with nothing in the environment.
expect_ipe300() {
  local out
  out=$(env -i "$1") || fail "$1 failed"
  echo "$out"
  [[ $out == *"IPE 300 h=300 b=150 mass=42.24"* ]] || fail "$1 did not read IPE 300"
}

# only_public_headers DIR: DIR holds zeptdb.h, the headers it reaches and
# version.h, nothing else.
only_public_headers() {
  local dir=$1 header included
  declare -A reached=([zeptdb/version.h]=1)
  local todo=(zeptdb.h)
  while ((${#todo[@]})); do
    header=${todo[0]}
    todo=("${todo[@]:1}")
    [[ -n ${reached[$header]:-} ]] && continue
    [[ -f $dir/$header ]] || fail "$header is included but not installed"
    reached[$header]=1
    while read -r included; do todo+=("$included"); done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$dir/$header")
  done
  [[ -f $dir/version.h ]] || fail "version.h is not installed"
  while read -r header; do
    [[ $header == version.h || -n ${reached[$header]:-} ]] || fail "$header is installed but zeptdb.h does not reach it"
  done < <(cd "$dir" && find . -type f | sed 's|^\./||')
}

installed() {
  local build=$1 prefix=$work/prefix
  cmake --install "$build" --prefix "$prefix" >/dev/null
  only_public_headers "$prefix/include/zeptdb"
  # Through the CMake package.
  cmake -S "$here" -B "$work/cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_INSTALL_RPATH_USE_LINK_PATH=ON >/dev/null
  cmake --build "$work/cmake"
  cmake --install "$work/cmake" --prefix "$prefix" >/dev/null
  expect_ipe300 "$prefix/bin/consumer"
  # Through pkg-config; --static also names what a static library needs.
  local pcdir
  pcdir=$(dirname "$(find "$prefix" -name zeptdb.pc -print -quit)")
  [[ -n $pcdir ]] || fail "no zeptdb.pc installed"
  local flags libs
  flags=$(PKG_CONFIG_PATH=$pcdir pkg-config --cflags zeptdb)
  libs=$(PKG_CONFIG_PATH=$pcdir pkg-config --libs --static zeptdb)
  # shellcheck disable=SC2086 # word splitting of the flags is meant
  c++ -std=c++20 -O2 $flags "$here/main.cpp" -o "$prefix/bin/consumer-pc" $libs \
    -Wl,-rpath,"$(PKG_CONFIG_PATH=$pcdir pkg-config --variable=libdir zeptdb)"
  expect_ipe300 "$prefix/bin/consumer-pc"
}

subdir() {
  local pair compiler type cc cxx dir
  for pair in "${@:-gcc:Release}"; do
    compiler=${pair%%:*} type=${pair#*:}
    case $compiler in
      gcc) cc=gcc cxx=g++ ;;
      clang) cc=clang cxx=clang++ ;;
      *) fail "unknown compiler $compiler" ;;
    esac
    dir=$work/$compiler-$type
    echo "consumer: add_subdirectory, $compiler, $type"
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" \
      -DCMAKE_C_COMPILER=$cc -DCMAKE_CXX_COMPILER=$cxx -DZEPTDB_SOURCE_DIR="$root" >/dev/null
    cmake --build "$dir"
    # The catalogs come with the library, so the program reads them from the build tree.
    expect_ipe300 "$dir/consumer"
    grep -qx "CMAKE_BUILD_TYPE:STRING=$type" "$dir/CMakeCache.txt" || fail "the library changed CMAKE_BUILD_TYPE"
    cmake --install "$dir" --prefix "$dir/prefix" >/dev/null
    local installed
    installed=$(cd "$dir/prefix" && find . -type f | sort | tr '\n' ' ')
    [[ $installed == "./bin/consumer " ]] || fail "the library installed into the consumer's prefix: $installed"
  done
}

case ${1:-} in
  installed) (($# == 2)) || fail "usage: check.sh installed BUILD_DIR"; installed "$2" ;;
  subdir) shift; subdir "$@" ;;
  *) fail "usage: check.sh installed BUILD_DIR | subdir [COMPILER:BUILD_TYPE...]" ;;
esac
echo "consumer: ok"
