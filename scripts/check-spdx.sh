#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every tracked source, build and script file names its licence
# in an SPDX line near its top:
#   scripts/check-spdx.sh        lists the files without one; exit 1 if any
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

missing=0
while IFS= read -r -d '' file; do
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT'; then
    echo "$file"
    missing=$((missing + 1))
  fi
done < <(git ls-files -z -- '*.cpp' '*.h' '*.in' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' '*.sh' '*.py' '.ci/run')
if ((missing)); then
  echo "check-spdx: $missing files without an SPDX line" >&2
  exit 1
fi
echo "check-spdx: every file has its SPDX line"
