#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Checks the Windows installer as an administrator would use it, under Wine in a fresh Wine
# prefix: installs silently, checks what was installed, runs the installed orva-cli (version, an
# import, an analysis, a PDF report, an export password kept in the machine folder),
# starts the installed orva.exe with the Windows platform plugin until its main window shows,
# uninstalls silently and checks that the program is gone and the user's files are not.
# Runs under Xvfb (started here when there is no display).
# Usage: check-installer.sh BUILD_WINDOWS_DIR
set -uo pipefail
build=$(realpath "${1:?usage: check-installer.sh BUILD_WINDOWS_DIR}")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

shopt -s nullglob
installers=("$build"/ORVA-*-setup.exe)
if [ "${#installers[@]}" -ne 1 ]; then
  echo "FAILED: expected one ORVA-<version>-setup.exe in $build, found ${#installers[@]}"
  exit 1
fi
installer=${installers[0]}
write_sample_csv="$build/tests/windows/write_sample_csv.exe"

work=$(mktemp -d)
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
cleanup() { "$wineserver" -k 2> /dev/null; rm -rf "$work"; }
trap cleanup EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# Runs a Windows program and waits until every process it started has ended.
run() { "$wine" "$@"; local status=$?; "$wineserver" -w; return $status; }
# The Windows name of a file here: Wine shows the root folder as drive Z.
win() { printf 'Z:%s' "${1//\//\\}"; }
# A value of a registry key; "(Default)" names the key's unnamed value, which reg asks with /ve.
reg_value() {
  local which=(/v "$2")
  [ "$2" = "(Default)" ] && which=(/ve)
  "$wine" reg query "$1" "${which[@]}" 2> /dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

"$wine" wineboot --init > /dev/null 2>&1
"$wineserver" -w
echo "Installer: $(basename "$installer"), $(( $(stat -c %s "$installer") / 1024 / 1024 )) MB"

run "$installer" /S && pass "silent install" || fail "silent install exited with an error"
program="$WINEPREFIX/drive_c/Program Files/ORVA"
program_win='C:\Program Files\ORVA'
cli="$program/orva-cli.exe"

for file in orva.exe orva-cli.exe uninstall.exe platforms/qwindows.dll platforms/qoffscreen.dll \
  styles/qwindowsvistastyle.dll Print_ORVA_logo.bmp Print_ORVA_Report_Form.bmp README.txt \
  licenses/Qt-LGPL-3.0.txt licenses/Qt-third-party.txt licenses/libsodium.txt licenses/nlohmann-json.txt; do
  [ -s "$program/$file" ] || fail "not installed: $file"
done

# Every DLL a shipped program or DLL imports is shipped or part of Windows, every DLL shipped
# beside the programs is imported by one of them, and nothing shipped carries debugging data.
system32="$WINEPREFIX/drive_c/windows/system32"
mapfile -t binaries < <(cd "$program" && find . -name '*.exe' -o -name '*.dll' | sed 's|^\./||' | sort)
imports=$(for b in "${binaries[@]}"; do x86_64-w64-mingw32-objdump -p "$program/$b" | sed -n 's/^\s*DLL Name: //p'; done \
  | tr 'A-Z' 'a-z' | sort -u)
shipped_lower=$(printf '%s\n' "${binaries[@]}" | tr 'A-Z' 'a-z')
# api-ms-win-* and ext-ms-win-* are API sets, which Windows' loader resolves itself.
for dll in $imports; do
  case "$dll" in api-ms-win-*|ext-ms-win-*) continue ;; esac
  grep -qx "$dll" <<< "$shipped_lower" || [ -e "$system32/$dll" ] || ls "$system32" | grep -qix "$dll" \
    || fail "imported but neither shipped nor part of Windows: $dll"
done
for b in "${binaries[@]}"; do
  case "$b" in
    */*|*.exe) ;;
    *) grep -qx "$(tr 'A-Z' 'a-z' <<< "$b")" <<< "$imports" || fail "shipped but not needed: $b" ;;
  esac
  x86_64-w64-mingw32-objdump -h "$program/$b" | grep -q '\.debug_' && fail "not stripped: $b"
done
pass "${#binaries[@]} programs and DLLs checked for their imports"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ORVA'
version=$(basename "$installer" -setup.exe)
version=${version#ORVA-}
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] && [ "$(reg_value "$uninstall_key" Publisher)" = "Kelbrin" ] \
  && [ "$(reg_value "$uninstall_key" UninstallString)" = "\"$program_win\\uninstall.exe\"" ] \
  && pass "listed in Apps & features as version $version by Kelbrin" || fail "the uninstaller is not registered as it should be"
[ "$(reg_value 'HKLM\Software\Classes\Kelbrin.ORVA.RecordFile\shell\open\command' '(Default)')" = "\"$program_win\\orva.exe\" \"%1\"" ] \
  && [ "$(reg_value 'HKLM\Software\Classes\.rpc' '(Default)')" = "Kelbrin.ORVA.RecordFile" ] \
  && pass ".rpc files open in orva.exe" || fail ".rpc files are not associated with orva.exe"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ORVA.lnk"
[ -s "$shortcut" ] && pass "Start-menu entry" || fail "no Start-menu entry"

cli_version=$("$wine" "$cli" --version | tr -d '\r')
[ "$cli_version" = "orva-cli $version" ] && pass "orva-cli --version: $cli_version" \
  || fail "orva-cli --version printed '$cli_version'"

# A clinic's files, in the user's documents and one in the program folder itself.
documents="$WINEPREFIX/drive_c/users/$(whoami)/Documents"
# Wine links the user's Documents to the Linux home folder: the clinic's files stay in the prefix.
[ -L "$documents" ] && rm "$documents"
mkdir -p "$documents"
"$build/wine-run" "$write_sample_csv" "$(win "$documents/sample.csv")" || fail "write_sample_csv"
"$wine" "$cli" import "$(win "$documents/sample.csv")" 'C:\users\'"$(whoami)"'\Documents\clinic' > "$work/import.txt" 2>&1 \
  && pass "import into Documents\\clinic.rpc" || { fail "import"; cat "$work/import.txt"; }
"$wine" "$cli" analyse "$(win "$documents/clinic")" --record 0 --json > "$work/analyse.json" 2>&1 \
  && grep -q '"omega"' "$work/analyse.json" && pass "analyse" || { fail "analyse"; cat "$work/analyse.json"; }
"$wine" "$cli" report "$(win "$documents/clinic")" --record 0 --pdf "$(win "$documents/report.pdf")" > "$work/report.txt" 2>&1 \
  && head -c 5 "$documents/report.pdf" | grep -q '%PDF-' && pass "PDF report" || { fail "PDF report"; cat "$work/report.txt"; }
cp "$documents/clinic.rpc" "$program/kept.rpc"

# The export passwords live in the machine folder the installer protected.
printf 'correct horse 42\ncorrect horse 42\n' | "$wine" "$cli" set-export-password 1 > "$work/set.txt" 2>&1 \
  && grep -q '^\$argon2id\$' "$WINEPREFIX/drive_c/ProgramData/Kelbrin/ORVA/export-passwords" \
  && pass "export password kept in ProgramData\\Kelbrin\\ORVA" || { fail "set-export-password"; cat "$work/set.txt"; }
# An export behind it is not tried here: Windows makes the administrators the owner of what an
# administrator creates, Wine the user, so the program rightly does not trust the file under Wine.

# The desktop program, as a clinician starts it: the main window must show.
title="Child and Adolescent Orvantis"
"$wine" "$program/orva.exe" > "$work/orva.txt" 2>&1 &
shown=false
for _ in $(seq 1 120); do
  if xwininfo -root -tree 2> /dev/null | grep -q "\"$title\""; then shown=true; break; fi
  sleep 0.5
done
$shown && pass "orva.exe shows its main window \"$title\"" || { fail "orva.exe showed no main window"; cat "$work/orva.txt"; }
"$wineserver" -k
"$wineserver" -w

run "$program/uninstall.exe" /S && pass "silent uninstall" || fail "silent uninstall exited with an error"
for file in orva.exe orva-cli.exe Qt6Core.dll platforms uninstall.exe licenses; do
  [ -e "$program/$file" ] && fail "left after uninstalling: $file"
done
[ -e "$shortcut" ] && fail "Start-menu entry left after uninstalling"
[ -n "$(reg_value "$uninstall_key" DisplayName)" ] && fail "still listed in Apps & features"
[ -n "$(reg_value 'HKLM\Software\Classes\.rpc' '(Default)')" ] && fail ".rpc still associated"
for file in "$documents/clinic.rpc" "$documents/sample.csv" "$documents/report.pdf" "$program/kept.rpc" \
  "$WINEPREFIX/drive_c/ProgramData/Kelbrin/ORVA/export-passwords"; do
  [ -s "$file" ] || fail "uninstalling removed $file"
done
pass "uninstalling left the record files, the reports and the export passwords"

[ "$failures" -eq 0 ] || { echo "$failures installer check(s) failed"; exit 1; }
echo "The installer checks passed"
