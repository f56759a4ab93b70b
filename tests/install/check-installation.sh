#!/usr/bin/env bash
# Checks an installed ORVA: the programs start from the installation and find their data, the
# command-line companion round-trips a record file, and the desktop files are valid.
# Usage: check-installation.sh PREFIX WRITE_SAMPLE_CSV APP_ID
set -euo pipefail
prefix="$1" write_sample_csv="$2" app_id="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

cli="$prefix/bin/orva-cli"
gui="$prefix/bin/orva"
version="$("$cli" --version)" && [[ "$version" =~ ^orva-cli\ [0-9]+\.[0-9]+ ]] \
  && pass "orva-cli --version: $version" || fail "orva-cli --version printed '$version'"
gui_version="$("$gui" --version)" && [ "$gui_version" = "orva ${version#orva-cli }" ] \
  && pass "orva --version: $gui_version" || fail "orva --version printed '$gui_version'"

"$write_sample_csv" "$work/sample.csv"
if "$cli" import "$work/sample.csv" "$work/clinic" > "$work/import.txt" \
   && "$cli" list "$work/clinic" --json > "$work/list.json" \
   && grep -q '"Installcheck"' "$work/list.json" && grep -q '"Robin"' "$work/list.json"; then
  pass "import and list round trip"
else
  fail "import and list round trip"; cat "$work/import.txt" "$work/list.json" 2>/dev/null || true
fi

# The desktop program opens its window from the installation and ends once it has painted it.
if ORVA_EXIT_AFTER_FIRST_PAINT=1 timeout 60 "$gui"; then pass "orva starts and paints its window"
else fail "orva did not start"; fi

for bitmap in Print_ORVA_logo.bmp Print_ORVA_Report_Form.bmp; do
  [ -s "$prefix/share/orva/$bitmap" ] && pass "share/orva/$bitmap" || fail "share/orva/$bitmap missing"
done
for size in 16 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "icon ${size}x${size} missing"
done
svg_icon="$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
grep -q '<svg' "$svg_icon" 2>/dev/null && pass "scalable icon" || fail "scalable icon missing"

desktop="$prefix/share/applications/$app_id.desktop"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$desktop" && pass "desktop entry valid" || fail "desktop entry invalid"
else
  fail "desktop-file-validate is not installed"
fi
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net --pedantic "$metainfo" && pass "metainfo valid" || fail "metainfo invalid"
else
  fail "appstreamcli is not installed"
fi

# The manual page says what --help says: every usage line appears in it.
man_page="$prefix/share/man/man1/orva-cli.1"
if [ -s "$man_page" ]; then
  rendered="$(MANWIDTH=200 man -l "$man_page" 2>/dev/null | col -b)"
  while IFS= read -r line; do
    [[ "$line" == "  orva-cli "* ]] || continue
    grep -qF -- "${line#  }" <<< "$rendered" || fail "manual page lacks '${line#  }'"
  done < <("$cli" --help)
  pass "manual page matches --help"
else
  fail "manual page missing"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures installation checks failed"
  exit 1
fi
echo "installation checks passed"
