#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Every source, build and script file of ORVA names its licence in its first lines (after a
# script's #! line). Lists the files that do not and fails when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=0
while IFS= read -r -d '' file; do
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: Apache-2.0'; then
    echo "no licence line: $file"
    missing=1
  fi
done < <(git ls-files -z -- '*.cpp' '*.h' '*.cmake' '*.sh' '*.py' '*.nsi' 'CMakeLists.txt' '*/CMakeLists.txt' 'Makefile')
exit $missing
