#!/usr/bin/env bash
# Builds the library and zeptcat, then runs zeptcat:
#   scripts/run-main.sh                 the demo query below on the bundled catalog
#   scripts/run-main.sh ARGS...         zeptcat ARGS...
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build

# ---- The default demo: zeptcat's arguments when none are given. -------------
# Every M20 bolt of the bundled demo catalog (built into $build/data): length,
# thread length and property class.
DEMO_ARGS=(--data "$build/data" sql demo "SELECT DISTINCT Bolts.Symbol, Shanks.Lenght, BoltsTypes.ThreadLenght, \
Materials.Symbol FROM Shanks INNER JOIN (Materials INNER JOIN (Bolts INNER JOIN BoltsTypes \
ON Bolts.Id = BoltsTypes.BoltId) ON Materials.Id = BoltsTypes.MaterialId) \
ON Shanks.Id = BoltsTypes.ShankId WHERE (((Bolts.Diameter)=20.000000)) ORDER BY Shanks.Lenght;")
# ------------------------------------------------------------------------------

"$root/scripts/deps.sh"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPT_BUILD_TOOLS=ON
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)"

zeptcat=$build/tools/zeptcat/zeptcat
if (($# > 0)); then
  exec "$zeptcat" "$@"
fi
exec "$zeptcat" "${DEMO_ARGS[@]}"
