#!/usr/bin/env bash
# Checks the Debian package that `make package` built: its dependencies were worked out from
# the linked libraries, and it holds the programs, their data, the desktop files and the manual.
# Usage: scripts/check-package.sh [package build folder]
set -euo pipefail
dir="${1:-build-package}"
shopt -s nullglob
debs=("$dir"/orva_*.deb)
if [ "${#debs[@]}" -ne 1 ]; then
  echo "FAILED: expected one orva_*.deb in $dir, found ${#debs[@]}"
  exit 1
fi
deb="${debs[0]}"
depends="$(dpkg-deb --field "$deb" Depends)"
contents="$(dpkg-deb --contents "$deb" | awk '{print $6}')"
failures=0
for library in libqt6widgets6 libqt6gui6 libsodium23 libc6; do
  grep -q "$library" <<< "$depends" || { echo "FAILED: Depends lacks $library: $depends"; failures=$((failures + 1)); }
done
for path in ./usr/bin/orva ./usr/bin/orva-cli ./usr/share/orva/Print_ORVA_logo.bmp \
            ./usr/share/orva/Print_ORVA_Report_Form.bmp ./usr/share/man/man1/orva-cli.1 \
            ./usr/share/icons/hicolor/256x256/apps/example.kelbrin.orva.png \
            ./usr/share/applications/example.kelbrin.orva.desktop \
            ./usr/share/metainfo/example.kelbrin.orva.metainfo.xml; do
  grep -qxF "$path" <<< "$contents" || { echo "FAILED: the package lacks $path"; failures=$((failures + 1)); }
done
if [ "$failures" -ne 0 ]; then exit 1; fi
echo "package $(basename "$deb") checked: Depends: $depends"
