#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Fetches one version of a Debian source package with `apt-get source` and unpacks it, with its
# Debian patches applied, into WORK/source.
#
# The machine's own apt configuration says where Debian's archive is: a deb-src entry is made for
# every Debian index apt already reads binary packages from, in a private apt state (sources, lists
# and cache in WORK/apt), so the machine's apt setup is neither changed nor needed to hold deb-src
# entries. apt checks the Sources index against the archive's signed Release file and the
# downloaded files against that index; the files are then checked once more against the checksums
# of the package's own .dsc before dpkg-source unpacks them (which checks them again).
#
# Usage: fetch-debian-source.sh PACKAGE VERSION WORK
set -euo pipefail

package="${1:?usage: fetch-debian-source.sh PACKAGE VERSION WORK}"
version="${2:?usage: fetch-debian-source.sh PACKAGE VERSION WORK}"
work=$(realpath -m "${3:?usage: fetch-debian-source.sh PACKAGE VERSION WORK}")

apt_dir="$work/apt"
rm -rf "$apt_dir" "$work/download" "$work/source" "$work/apt.log"
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$work/download"

# The Debian indexes apt reads, as deb-src lines with the archive's keyring.
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
mapfile -t entries < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
  'Origin: Debian' 'Target-Of: deb' | sort -u)
if [ "${#entries[@]}" -eq 0 ]; then
  echo "fetch-debian-source: apt reads no Debian archive on this machine" >&2
  exit 1
fi

apt_options=(
  -o "Dir::Etc::SourceList=/dev/null"
  -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
  -o "Dir::State::Lists=$apt_dir/lists"
  -o "Dir::Cache=$apt_dir/cache"
  -o "APT::Get::List-Cleanup=false"
)
# apt drops root rights to its own user while it downloads; let that user write the folders.
if [ "$(id -u)" -eq 0 ] && id _apt > /dev/null 2>&1; then
  chmod 755 "$work"
  chown -R _apt "$apt_dir/lists" "$apt_dir/cache" "$work/download"
fi

# One archive at a time: the same version may be listed by several (a point release and the
# security archive), and a mirror need not hold the files of every one of them.
fetched=false
for entry in "${entries[@]}"; do
  read -r uri release component <<< "$entry"
  echo "deb-src [signed-by=$keyring] $uri $release $component" > "$apt_dir/sources.list.d/debian-src.list"
  if apt-get "${apt_options[@]}" -q update >> "$work/apt.log" 2>&1 &&
    (cd "$work/download" && apt-get "${apt_options[@]}" -q --download-only source "$package=$version") \
      >> "$work/apt.log" 2>&1; then
    fetched=true
    break
  fi
  rm -f "$work/download"/*
done
if [ "$fetched" != true ]; then
  cat "$work/apt.log" >&2
  echo "fetch-debian-source: no Debian archive gave $package $version" >&2
  exit 1
fi

upstream="${version#*:}"
dsc="$work/download/${package}_${upstream}.dsc"
if [ ! -f "$dsc" ]; then
  echo "fetch-debian-source: no ${package}_${upstream}.dsc was fetched" >&2
  exit 1
fi
# Every file the .dsc lists, against its SHA-256 there.
files=$(sed -n '/^Checksums-Sha256:/,/^[^ ]/{/^ /p}' "$dsc")
if [ -z "$files" ]; then
  echo "fetch-debian-source: $dsc lists no SHA-256 checksums" >&2
  exit 1
fi
(cd "$work/download" && awk '{print $1 "  " $3}' <<< "$files" | sha256sum -c --quiet)

dpkg-source --require-strong-checksums -x "$dsc" "$work/source" > "$work/dpkg-source.log" 2>&1 \
  || { cat "$work/dpkg-source.log" >&2; exit 1; }
echo "fetch-debian-source: $package $version, $(basename "$dsc") sha256 $(sha256sum "$dsc" | cut -d' ' -f1)"
