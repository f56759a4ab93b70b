#!/bin/bash
# Checks that the C++ files named in scripts/formatted-files.txt are laid out as .clang-format
# says. The list holds the files that already were when the check came in, so that the rest of
# the tree is not reformatted in one go: a file joins it once `clang-format -i` has been run on
# it, and a new file is added when it is made.
set -euo pipefail
cd "$(dirname "$0")/.."
list=scripts/formatted-files.txt
missing=0
while read -r file; do
  if [ ! -f "$file" ]; then
    echo "format-check: $file is listed in $list but does not exist" >&2
    missing=1
  fi
done < "$list"
[ "$missing" -eq 0 ] || exit 1
xargs clang-format --dry-run --Werror < "$list"
echo "format-check: $(wc -l < "$list") files as .clang-format lays them out"
