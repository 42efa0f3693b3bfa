#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the library and zeptcat, then runs zeptcat:
#   scripts/run-main.sh                 the demo commands below on the bundled catalogs
#   scripts/run-main.sh ARGS...         zeptcat ARGS...
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build

# ---- The default demo: zeptcat's commands when no arguments are given. -----
# Each runs on the bundled catalogs (built into $build/data), in this order.
# The bundled list catalogs.
LISTS_ARGS=(lists)
# Plate thicknesses with their mass per area: metric table (mm, kg/m2), then
# the English one (in, lb/ft2).
PLATES_MM_ARGS=(lists PLATETHICKNESSES --units mm)
PLATES_IN_ARGS=(lists PLATETHICKNESSES --units in)
# Every M20 bolt of the ISO 4014 catalog, in Jet SQL: length, thread length and
# property class.
SQL_ARGS=(sql Bolts_ISO4014 "SELECT DISTINCT Bolts.Symbol, Shanks.Lenght, BoltsTypes.ThreadLenght, \
Materials.Symbol FROM Shanks INNER JOIN (Materials INNER JOIN (Bolts INNER JOIN BoltsTypes \
ON Bolts.Id = BoltsTypes.BoltId) ON Materials.Id = BoltsTypes.MaterialId) \
ON Shanks.Id = BoltsTypes.ShankId WHERE (((Bolts.Diameter)=20.000000)) ORDER BY Shanks.Lenght;")
# The bolt standards with their nut, washer and clamping-range catalogs.
BOLTS_ARGS=(bolts)
# The EN 14399 M20 bolts with nut and washer thickness, and their grip ranges.
BOLTS_M20_ARGS=(bolts EN14399 --diameter 20)
# The profile names of the EURO catalog with their shape types and descriptions,
# then the IPE sizes with height, width and mass.
PROFILES_ARGS=(profiles EURO)
PROFILES_IPE_ARGS=(profiles EURO IPE)
# The grades of the European material catalog with their types.
MATERIALS_ARGS=(materials EN --grades)
# One anchor plate with its extra parameters and the catalog's translations.
USEROBJECTS_ARGS=(userobjects AnchorPlates "AP 300x300x20")
# The cross-section of IPE 300 in a metric drawing: vertices and bulges, extent
# and the section values computed from the geometry.
SECTION_ARGS=(section EURO IPE 300)
# The preview of IPE 300, hatched at 45 degrees, with dimension lines of its
# height and width, painted into an 800 x 600 window and saved as a PNG; it
# prints the picture's path.
RENDER_ARGS=(render EURO IPE 300 --dims -o "$build/ipe300.png")
DEMO_COMMANDS=(LISTS_ARGS PLATES_MM_ARGS PLATES_IN_ARGS SQL_ARGS BOLTS_ARGS BOLTS_M20_ARGS PROFILES_ARGS
  PROFILES_IPE_ARGS MATERIALS_ARGS USEROBJECTS_ARGS SECTION_ARGS RENDER_ARGS)
# ------------------------------------------------------------------------------

"$root/scripts/deps.sh"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEPT_BUILD_TOOLS=ON
# Only what the demo runs: the library, zeptcat and the bundled catalogs. The
# tests and benchmarks of the same build folder are built by scripts/run-tests.sh.
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)" --target zeptcat zept_data

zeptcat=$build/tools/zeptcat/zeptcat
if (($# > 0)); then
  exec "$zeptcat" "$@"
fi

# The command line as one would type it, arguments with blanks quoted.
show() {
  local line='$ zeptcat' arg
  for arg in "$@"; do
    if [[ $arg == *[[:space:]]* ]]; then line+=" \"$arg\""; else line+=" $arg"; fi
  done
  printf '%s\n' "$line"
}

first=1
for name in "${DEMO_COMMANDS[@]}"; do
  declare -n args=$name
  ((first)) || echo
  first=0
  show "${args[@]}"
  "$zeptcat" --data "$build/data" "${args[@]}"
  unset -n args
done
