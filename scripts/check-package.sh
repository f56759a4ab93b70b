#!/usr/bin/env bash
# Checks the Debian package that `make package` built: its dependencies were worked out from
# the linked libraries, it holds the programs, their data, the desktop files, the manual pages,
# the copyright file and the changelog, and Debian's package checker (lintian) finds neither an
# error nor a warning in it.
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
for library in libqt6widgets6 libqt6gui6 libqt6multimedia6 libflite1 libsodium23 libc6; do
  grep -q "$library" <<< "$depends" || { echo "FAILED: Depends lacks $library: $depends"; failures=$((failures + 1)); }
done
for path in ./usr/bin/orva ./usr/bin/orva-cli ./usr/share/orva/Print_ORVA_logo.bmp \
            ./usr/share/orva/Print_ORVA_Report_Form.bmp ./usr/share/man/man1/orva-cli.1.gz \
            ./usr/share/man/man1/orva.1.gz ./usr/share/doc/orva/copyright ./usr/share/doc/orva/changelog.Debian.gz \
            ./usr/share/icons/hicolor/256x256/apps/example.kelbrin.orva.png \
            ./usr/share/icons/hicolor/256x256/mimetypes/application-x-orva-record.png \
            ./usr/share/mime/packages/example.kelbrin.orva.xml \
            ./usr/share/applications/example.kelbrin.orva.desktop \
            ./usr/share/metainfo/example.kelbrin.orva.metainfo.xml; do
  grep -qxF "$path" <<< "$contents" || { echo "FAILED: the package lacks $path"; failures=$((failures + 1)); }
done
# The package's own version is the one its changelog begins with.
version="$(dpkg-deb --field "$deb" Version)"
changelog_version="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/orva/changelog.Debian.gz | gzip -dc \
  | sed -n '1s/^orva (\(.*\)) .*/\1/p')"
[ "$version" = "$changelog_version" ] || { echo "FAILED: package $version, changelog $changelog_version"; failures=$((failures + 1)); }

# lintian: every tag it reports, and no error or warning among them.
if command -v lintian > /dev/null; then
  lintian_output="$(lintian --display-info --tag-display-limit 0 "$deb" 2>&1 \
    | grep -v '^running with root privileges is not recommended!$')" || true
  [ -z "$lintian_output" ] || echo "$lintian_output"
  if grep -qE '^[EW]: ' <<< "$lintian_output"; then
    echo "FAILED: lintian reports errors or warnings"
    failures=$((failures + 1))
  fi
else
  echo "FAILED: lintian is not installed"
  failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "package $(basename "$deb") checked: Depends: $depends; lintian: no error, no warning"
