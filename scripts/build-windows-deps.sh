#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Puts the libraries the Windows cross-build needs, and Debian ships no mingw build of, into the
# folder given:
# - libsodium, built with mingw-w64 from Debian's own source package of the version the Linux
#   build uses (the upstream release with Debian's security patches), so that the Windows build
#   hashes export passwords exactly as the Linux build does. The source comes through
#   fetch-debian-source.sh, checked against the archive's signatures and the .dsc's checksums.
#   Nothing is built when the folder already holds this build.
# - nlohmann-json, header-only, copied from its Debian package with its CMake files, so that the
#   cross-build finds it without seeing the host's other headers.
# The licence texts of both go to DEST/licenses, to be shipped beside the program.
set -euo pipefail

dest=$(realpath -m "${1:?usage: build-windows-deps.sh DEST}")

mkdir -p "$dest/include" "$dest/share/cmake"
cp -r /usr/include/nlohmann "$dest/include/"
cp -r /usr/share/cmake/nlohmann_json "$dest/share/cmake/"
mkdir -p "$dest/licenses"
cp /usr/share/doc/nlohmann-json3-dev/copyright "$dest/licenses/nlohmann-json.txt"

version=$(dpkg-query -W -f='${source:Version}' libsodium-dev)
stamp="$dest/.built-${version}"

if [ -f "$stamp" ] && [ -f "$dest/lib/libsodium.a" ]; then
  exit 0
fi

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$here/fetch-debian-source.sh" libsodium "$version" "$work" > "$work/fetch.log" 2>&1 \
  || { cat "$work/fetch.log"; exit 1; }
cd "$work/source"
autoreconf -fi > "$work/autoreconf.log" 2>&1 || { cat "$work/autoreconf.log"; exit 1; }
./configure --host=x86_64-w64-mingw32 --prefix="$dest" --disable-shared --enable-static \
  --disable-dependency-tracking CC=x86_64-w64-mingw32-gcc-posix > "$work/configure.log" 2>&1 \
  || { tail -40 "$work/configure.log"; exit 1; }
make -j"$(nproc)" > "$work/make.log" 2>&1 || { tail -40 "$work/make.log"; exit 1; }
make install > "$work/install.log" 2>&1 || { tail -40 "$work/install.log"; exit 1; }
cp LICENSE "$dest/licenses/libsodium.txt"
touch "$stamp"
