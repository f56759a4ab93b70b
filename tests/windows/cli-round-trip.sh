#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs the Windows orva-cli under Wine: imports a CSV, lists and checks the record file, sets an
# export password and exports the file again; the export must give back the CSV imported.
# Usage: cli-round-trip.sh WINE ORVA_CLI_EXE WRITE_SAMPLE_CSV_EXE
set -uo pipefail
wine="$1" cli="$2" write_sample_csv="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# The Windows name of a file here: Wine shows the root folder as drive Z.
win() { printf 'Z:%s' "${1//\//\\}"; }
run() { "$wine" "$cli" "$@"; }

mkdir "$work/settings"
export ORVA_SETTINGS_DIR
ORVA_SETTINGS_DIR="$(win "$work/settings")"

"$wine" "$write_sample_csv" "$(win "$work/sample.csv")" || fail "write_sample_csv"
run import "$(win "$work/sample.csv")" "$(win "$work/clinic")" > "$work/import.txt" 2>&1 \
  && pass "import" || { fail "import"; cat "$work/import.txt"; }
run list "$(win "$work/clinic")" --json > "$work/list.json" 2>&1
grep -q '"Installcheck"' "$work/list.json" && grep -q '"Robin"' "$work/list.json" \
  && pass "list" || { fail "list"; cat "$work/list.json"; }
run check "$(win "$work/clinic")" > "$work/check.txt" 2>&1 && pass "check" || { fail "check"; cat "$work/check.txt"; }
run analyse "$(win "$work/clinic")" --record 0 --json > "$work/analyse.json" 2>&1 \
  && grep -q '"omega"' "$work/analyse.json" && pass "analyse" || { fail "analyse"; cat "$work/analyse.json"; }

printf 'correct horse 42\ncorrect horse 42\n' | run set-export-password 1 > "$work/set.txt" 2>&1 \
  && pass "set-export-password" || { fail "set-export-password"; cat "$work/set.txt"; }
grep -q '^\$argon2id\$' "$work/settings/export-passwords" && pass "password kept as an Argon2id hash" \
  || fail "no Argon2id hash in the password file"
printf 'wrong password\n' | run export "$(win "$work/clinic")" "$(win "$work/refused")" --accept-privacy \
  > "$work/refused.txt" 2>&1 && fail "export with a wrong password succeeded"
[ -e "$work/refused.csv" ] && fail "a refused export left a file"
printf 'correct horse 42\n' | run export "$(win "$work/clinic")" "$(win "$work/out")" --accept-privacy \
  > "$work/export.txt" 2>&1 && cmp -s "$work/sample.csv" "$work/out.csv" \
  && pass "export gives back the CSV imported" || { fail "export round trip"; cat "$work/export.txt"; }

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
