#!/usr/bin/env bash
# Runs every UI test under a virtual X server with ORVA_SNAPSHOT_DIR set, so each test saves a
# PNG of every screen it visits; then lists them. Usage: scripts/snapshots.sh [build folder]
# The snapshots land in <build folder>/snapshots unless ORVA_SNAPSHOT_DIR names another folder.
# A Windows build's tests run under Wine with Qt's Windows platform plugin, so its snapshots
# show the program as it looks on Windows.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-${BUILD_DIR:-$root/build}}" && pwd)"
out="${ORVA_SNAPSHOT_DIR:-$build/snapshots}"
rm -rf "$out"
mkdir -p "$out"

# The tests' own commands (under Wine for a Windows build), folders and settings, as CTest
# knows them; the platform becomes the X server's instead of the offscreen one.
tests_json="$(cd "$build" && ctest -L ui --show-only=json-v1)"

export ORVA_SNAPSHOT_DIR="$out"
export ORVA_SNAPSHOT_PLATFORM=xcb
if [ -x "$build/wine-run" ]; then
  ORVA_SNAPSHOT_PLATFORM=windows
fi
status=0
if xvfb-run -a -s "-screen 0 1280x1024x24" python3 - "$tests_json" <<'PY'
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
then :; else status=$?; fi
echo "Snapshots in $out:"
ls -1 "$out"
exit $status
