#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the project builds and tests with, and any
# packages named as arguments (scripts/run-fuzz.sh adds clang's). Safe to run
# again: apt is only called when a package is missing.
set -euo pipefail

# The one list of packages; add new dependencies here.
PACKAGES=(
  build-essential
  cmake
  ninja-build
  pkg-config
  libsqlite3-dev
  sqlite3
  libgtest-dev
  libgmock-dev
  googletest
  libbenchmark-dev
  libcli11-dev
  libdime-dev
  python3-ezdxf
  # data/gen/fasteners.py --check, a test that the fastener SQL texts are
  # what the script writes.
  python3
  libcairo2-dev
  libpango1.0-dev
  fonts-liberation2
  mdbtools-dev
  mdbtools
  libboost-dev
  # Clipper: the polygon overlay of the region booleans.
  libpolyclipping-dev
  # Eigen: the sparse solver of the torsion, warping and shear solution.
  libeigen3-dev
  # zeptcat: its record reader's JSON parser, and its man page made at build
  # time (the build goes on without one when help2man is missing).
  nlohmann-json3-dev
  help2man
  # Every locale, compiled: the tests read and write numbers under a
  # comma-decimal one (de_DE.UTF-8), which a fresh machine lacks.
  locales-all
  # zeptview, the catalog browser, and its tests in a virtual X server; the
  # library itself never needs them.
  libgtk-4-dev
  xvfb
  xauth
  xdotool
  # The tests' check of SVG pictures: an XML check and a second renderer.
  libxml2-utils
  librsvg2-bin
  # A PostgreSQL server as a data folder: its client library, and the server
  # the tests start in a scratch folder (scripts/pg-cluster.sh).
  libpq-dev
  postgresql
)
PACKAGES+=("$@")

missing=()
for pkg in "${PACKAGES[@]}"; do
  # dpkg -s also lists removed packages whose configuration is left; only "installed" counts.
  if ! dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null | grep -qx installed; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "deps: all ${#PACKAGES[@]} packages installed"
  exit 0
fi

echo "deps: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "deps: missing packages and neither root nor sudo: ${missing[*]}" >&2
  exit 1
fi

# Through env: sudo would drop the variable that keeps apt from asking.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
