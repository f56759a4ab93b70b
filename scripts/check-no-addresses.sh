#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Fails when a script or build file names a web address: the build takes packages from apt and
# sources through `apt-get source` (scripts/fetch-debian-source.sh), from wherever the machine's
# own apt configuration points, and never from an address written into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

patterns=(Makefile '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' 'CMakePresets.json' '*.nsi' '.ci/*')
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- "${patterns[@]/#/:(glob)**/}")
else
  mapfile -t files < <(find . -path './build*' -prune -o -type f \( -name Makefile -o -name '*.sh' -o -name '*.py' \
    -o -name '*.cmake' -o -name CMakeLists.txt -o -name CMakePresets.json -o -name '*.nsi' -o -path './.ci/*' \) -print)
fi
if found=$(grep -nIE 'https?://' "${files[@]}"); then
  echo "Web addresses in scripts or build files (packages and sources come through apt):"
  echo "$found"
  exit 1
fi
echo "No web address in ${#files[@]} scripts and build files"
