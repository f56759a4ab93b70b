#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs every UI test under a virtual X server with ORVA_SNAPSHOT_DIR set, so each test saves a
# PNG of every screen it visits; then lists them. It does so three times, at 100 %, 150 % and
# 200 % (QT_SCALE_FACTOR), each on a screen of 1920 x 1080 at that scale, so that what a large
# text setting clips or cuts shows. Usage: scripts/snapshots.sh [build folder]
# The snapshots land in <build folder>/snapshots/{100,150,200} unless ORVA_SNAPSHOT_DIR names
# another folder than <build folder>/snapshots.
# A Windows build's tests run under Wine with Qt's Windows platform plugin, so its snapshots
# show the program as it looks on Windows. ORVA_SNAPSHOT_TESTS (a ctest -R pattern) picks some tests.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-${BUILD_DIR:-$root/build}}" && pwd)"
out="${ORVA_SNAPSHOT_DIR:-$build/snapshots}"
rm -rf "$out"
mkdir -p "$out"

# The tests' own commands (under Wine for a Windows build), folders and settings, as CTest
# knows them; the platform becomes the X server's instead of the offscreen one.
tests_json="$(cd "$build" && ctest -L ui ${ORVA_SNAPSHOT_TESTS:+-R "$ORVA_SNAPSHOT_TESTS"} --show-only=json-v1)"

export ORVA_SNAPSHOT_PLATFORM=xcb
if [ -x "$build/wine-run" ]; then
  ORVA_SNAPSHOT_PLATFORM=windows
  # Wine's server and services are started here: started by the first test, they would hold
  # its output open and it would never be seen to end.
  wineserver=(env WINEPREFIX="$build/wine" /usr/lib/wine/wineserver)
  "${wineserver[@]}" -p < /dev/null > /dev/null 2>&1
  "$build/wine-run" wineboot > /dev/null 2>&1
  trap '"${wineserver[@]}" -k' EXIT
fi
status=0
for scale in 100 150 200; do
  factor="$(awk -v s="$scale" 'BEGIN { printf "%g", s / 100 }')"
  screen="$((1920 * scale / 100))x$((1080 * scale / 100))x24"
  mkdir -p "$out/$scale"
  echo "At $scale %:"
  if ORVA_SNAPSHOT_DIR="$out/$scale" QT_SCALE_FACTOR="$factor" xvfb-run -a -s "-screen 0 $screen" \
       python3 - "$tests_json" <<'PY'
import json, os, subprocess, sys

failed = []
for test in json.loads(sys.argv[1])["tests"]:
    env = dict(os.environ)
    cwd = None
    for prop in test.get("properties", []):
        if prop["name"] == "ENVIRONMENT":
            for entry in prop["value"]:
                key, _, value = entry.partition("=")
                env[key] = value
        elif prop["name"] == "WORKING_DIRECTORY":
            cwd = prop["value"]
    env["QT_QPA_PLATFORM"] = os.environ["ORVA_SNAPSHOT_PLATFORM"]
    result = subprocess.run(test["command"], cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    print(("ok      " if result.returncode == 0 else "FAILED  ") + test["name"])
    if result.returncode != 0:
        failed.append(test["name"])
sys.exit(1 if failed else 0)
PY
  then :; else status=1; fi
done
echo "Snapshots in $out (one folder per scale):"
for scale in 100 150 200; do echo "$scale: $(ls -1 "$out/$scale" | wc -l) screens"; done
exit $status
