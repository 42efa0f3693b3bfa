#!/usr/bin/env bash
# Builds the library and zeptcat, then runs zeptcat:
#   scripts/run-main.sh                 the demo query below on the bundled catalog
#   scripts/run-main.sh ARGS...         zeptcat ARGS...
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build

# ---- The default demo: zeptcat's arguments when none are given. -------------
# TODO: the catalog and query, once tools/zeptcat and the bundled catalogs of
# data/ (built into $build/data) exist.
DEMO_ARGS=(sql "$build/data/demo.mdb" "SELECT * FROM Profile")
# ------------------------------------------------------------------------------

"$root/scripts/deps.sh"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPT_BUILD_TOOLS=ON
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)"

zeptcat=$build/tools/zeptcat/zeptcat
if [[ ! -x $zeptcat ]]; then
  echo "run-main: $zeptcat was not built (tools/zeptcat is not in this tree yet)" >&2
  exit 1
fi

if (($# > 0)); then
  exec "$zeptcat" "$@"
fi
exec "$zeptcat" "${DEMO_ARGS[@]}"
