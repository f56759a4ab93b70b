#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Puts the libraries the Windows cross-build needs, and Debian ships no mingw build of, into the
# folder given:
# - libsodium, built with mingw-w64 from Debian's own source package (the upstream release with
#   Debian's security patches), so that the Windows build hashes export passwords exactly as the
#   Linux build does; the sources are checked against the checksums Debian publishes for them.
#   Nothing is built when the folder already holds this build.
# - nlohmann-json, header-only, copied from its Debian package with its CMake files, so that the
#   cross-build finds it without seeing the host's other headers.
set -euo pipefail

dest=$(realpath -m "${1:?usage: build-windows-deps.sh DEST}")

mkdir -p "$dest/include" "$dest/share/cmake"
cp -r /usr/include/nlohmann "$dest/include/"
cp -r /usr/share/cmake/nlohmann_json "$dest/share/cmake/"

version=1.0.18
debian_revision=1+deb12u1
pool=http://deb.debian.org/debian/pool/main/libs/libsodium
orig=libsodium_${version}.orig.tar.gz
orig_sha256=d59323c6b712a1519a5daf710b68f5e7fde57040845ffec53850911f10a5d4f4
patches=libsodium_${version}-${debian_revision}.debian.tar.xz
patches_sha256=f410474e46346b06b162defa05b1be26906aeed6cf309e3d4ebe30b4d1350733
stamp="$dest/.built-${version}-${debian_revision}"

if [ -f "$stamp" ] && [ -f "$dest/lib/libsodium.a" ]; then
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
for f in "$orig" "$patches"; do
  curl -sSfL --retry 3 -o "$f" "$pool/$f"
done
echo "$orig_sha256  $orig" | sha256sum -c --quiet
echo "$patches_sha256  $patches" | sha256sum -c --quiet

tar xf "$orig"
cd "libsodium-${version}"
tar xf "../$patches"
if [ -f debian/patches/series ]; then
  while read -r p; do
    case "$p" in ''|'#'*) continue ;; esac
    patch -s -p1 < "debian/patches/$p"
  done < debian/patches/series
fi
autoreconf -fi > "$work/autoreconf.log" 2>&1 || { cat "$work/autoreconf.log"; exit 1; }
./configure --host=x86_64-w64-mingw32 --prefix="$dest" --disable-shared --enable-static \
  --disable-dependency-tracking CC=x86_64-w64-mingw32-gcc-posix > "$work/configure.log" 2>&1 \
  || { tail -40 "$work/configure.log"; exit 1; }
make -j"$(nproc)" > "$work/make.log" 2>&1 || { tail -40 "$work/make.log"; exit 1; }
make install > "$work/install.log" 2>&1 || { tail -40 "$work/install.log"; exit 1; }
touch "$stamp"
