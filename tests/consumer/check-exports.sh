#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every header the umbrella header brings in marks its declarations for
# export, so that a shared build hides nothing a program can name:
#   check-exports.sh SOURCE_DIR
set -euo pipefail
root=${1:?usage: check-exports.sh SOURCE_DIR}
missing=0
while read -r header; do
  [[ $header == zeptdb/version.h || $header == platform/core/Export.h ]] && continue
  if ! grep -q '^ZEPTDB_BEGIN_EXPORTS$' "$root/$header" || ! grep -q '^ZEPTDB_END_EXPORTS$' "$root/$header"; then
    echo "$header: declarations not between ZEPTDB_BEGIN_EXPORTS and ZEPTDB_END_EXPORTS"
    missing=1
  fi
done < <(sed -n 's/^#include "\(.*\)"$/\1/p' "$root/zeptdb.h")
exit $missing
