#!/usr/bin/env bash
# Checks an installed ORVA: the programs start from the installation and find their data, the
# command-line companion round-trips a record file, and the desktop files are valid.
# Usage: check-installation.sh PREFIX WRITE_SAMPLE_CSV APP_ID RECORD_MIME_TYPE
set -euo pipefail
prefix="$1" write_sample_csv="$2" app_id="$3" mime_type="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

cli="$prefix/bin/orva-cli"
gui="$prefix/bin/orva"
version="$("$cli" --version)" && [[ "$version" =~ ^orva-cli\ [0-9]+\.[0-9]+ ]] \
  && pass "orva-cli --version: $version" || fail "orva-cli --version printed '$version'"
# The desktop program answers --version and --help without a display, as a program in a
# terminal would.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
gui_version="$("${no_display[@]}" "$gui" --version)" && [ "$gui_version" = "orva ${version#orva-cli }" ] \
  && pass "orva --version: $gui_version" || fail "orva --version printed '$gui_version'"
if "${no_display[@]}" "$gui" --help > "$work/help.txt" 2> "$work/help.err" \
   && grep -qE '^Usage: (.*/)?orva \[options\] \[FILE\]$' "$work/help.txt" && grep -q -- '--version' "$work/help.txt" \
   && [ ! -s "$work/help.err" ]; then
  pass "orva --help without a display"
else
  fail "orva --help without a display"; cat "$work/help.txt" "$work/help.err"
fi

"$write_sample_csv" "$work/sample.csv"
if "$cli" import "$work/sample.csv" "$work/clinic" > "$work/import.txt" \
   && "$cli" list "$work/clinic" --json > "$work/list.json" \
   && grep -q '"Installcheck"' "$work/list.json" && grep -q '"Robin"' "$work/list.json"; then
  pass "import and list round trip"
else
  fail "import and list round trip"; cat "$work/import.txt" "$work/list.json" 2>/dev/null || true
fi

# A command-line tool prints only its own messages: the printed report drawn without a display
# brings no words of the toolkit's with it.
if env -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM "$cli" report "$work/clinic" --record 0 --pdf "$work/report.pdf" > /dev/null 2> "$work/report.err" \
   && [ -s "$work/report.pdf" ] && [ ! -s "$work/report.err" ]; then
  pass "orva-cli report --pdf writes nothing on standard error"
else
  fail "orva-cli report --pdf"; cat "$work/report.err"
fi

# A record file is known by its name and by its header, and opens in ORVA.
if command -v xdg-mime > /dev/null && command -v update-mime-database > /dev/null; then
  update-mime-database "$prefix/share/mime" > /dev/null
  command -v update-desktop-database > /dev/null && update-desktop-database "$prefix/share/applications"
  cp "$work/clinic.rpc" "$work/x.rpc"
  cp "$work/clinic.rpc" "$work/no-extension"
  desktop_env=(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID
               XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_DATA_DIRS="$prefix/share:/usr/share")
  for file in x.rpc no-extension; do
    type="$("${desktop_env[@]}" xdg-mime query filetype "$work/$file")"
    [ "$type" = "$mime_type" ] && pass "xdg-mime names $file $type" || fail "xdg-mime named $file '$type'"
  done
  handler="$("${desktop_env[@]}" xdg-mime query default "$mime_type")"
  [ "$handler" = "$app_id.desktop" ] && pass "record files open in $handler" || fail "record files open in '$handler'"
else
  fail "xdg-mime or update-mime-database is not installed"
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

# The manual pages, compressed, read by man without a warning; orva-cli's says what --help
# says: every usage line, and every argument and option of every command.
for page in orva orva-cli; do
  man_page="$prefix/share/man/man1/$page.1.gz"
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man_page" 2>&1 > /dev/null)"
  [ -s "$man_page" ] && [ -z "$warnings" ] && pass "manual page of $page" || fail "manual page of $page: $warnings"
done
rendered="$(MANWIDTH=200 man -l "$prefix/share/man/man1/orva-cli.1.gz" 2>/dev/null | col -b)"
while IFS= read -r line; do
  [[ "$line" == "  orva-cli "* ]] || continue
  grep -qF -- "${line#  }" <<< "$rendered" || fail "manual page lacks '${line#  }'"
  command="$(awk '{print $2}' <<< "$line")"
  [[ "$command" =~ ^[a-z] ]] || continue
  while IFS= read -r entry; do
    grep -qF -- "$entry" <<< "$rendered" || fail "manual page lacks $command's '$entry'"
  done < <("$cli" "$command" --help | sed -n 's/^  \([^ ][^ ]*\( [^ ][^ ]*\)\?\)  .*/\1/p' | grep -v -- '^--help$')
done < <("$cli" --help)
pass "manual page matches --help"

if [ "$failures" -ne 0 ]; then
  echo "$failures installation checks failed"
  exit 1
fi
echo "installation checks passed"
