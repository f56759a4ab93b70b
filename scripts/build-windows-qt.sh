#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds Qt's base module for 64-bit Windows with mingw-w64 from Debian's own source package, the
# same Qt version as the Linux build (whose moc, rcc and uic it uses), and prints the folder it is
# installed in. Only what ORVA needs is built: Core, Gui, Widgets, PrintSupport and Test, the
# Windows and offscreen platform plugins and the Windows style.
#
# The build takes about half an hour on two cores, so it is kept outside the clone, in a folder
# named after the Qt version and a hash of the configure options and the compiler, under
# $ORVA_BUILD_CACHE (/var/cache/orva-build, or ~/.cache/orva-build where that cannot be written).
# A folder is used only when its build finished; concurrent runs wait for one build.
#
# Usage: build-windows-qt.sh        (log of a build: <folder>.log beside it)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
toolchain="$root/cmake/mingw-w64-compilers.cmake"

cache="${ORVA_BUILD_CACHE:-}"
if [ -z "$cache" ]; then
  cache=/var/cache/orva-build
  if ! mkdir -p "$cache" 2> /dev/null || [ ! -w "$cache" ]; then
    cache="${XDG_CACHE_HOME:-$HOME/.cache}/orva-build"
  fi
fi
mkdir -p "$cache"

# The host Qt's source version: the tools of the host build must match the libraries built here.
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)

options=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  # The source package lacks wintab.h, which tablet events need.
  -DFEATURE_tabletevent=OFF
  # Debian's patch makes Qt look for a shared libzstd, which mingw has not.
  -DFEATURE_zstd=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_ico=OFF
  -DFEATURE_vulkan=OFF
  # The shared MIME-info database (GPL data), which ORVA never asks.
  -DFEATURE_mimetype_database=OFF
  -DFEATURE_textmarkdownreader=OFF
  -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_pkg_config=OFF
)
# The toolchain's comments and blank lines do not change the build, so they do not change the key.
key=$( { printf '%s\n' "${options[@]}"; grep -v -e '^[[:space:]]*#' -e '^[[:space:]]*$' "$toolchain"; \
         x86_64-w64-mingw32-g++-posix --version | head -1; } \
  | sha256sum | cut -c1-12)
prefix="$cache/qt6-base-${version%%+*}-$key"

exec 9> "$cache/.qt6-base.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

log="$prefix.log"
echo "Building Qt $version for Windows into $prefix (log: $log); this takes about half an hour" >&2
rm -rf "$prefix" "$prefix.work"
mkdir -p "$prefix.work"
start=$(date +%s)
set +e
(
  set -e
  bash "$here/fetch-debian-source.sh" qt6-base "$version" "$prefix.work"
  rm -f "$prefix.work"/*.orig.tar.*
  # The licences of Qt and of the third-party code compiled into it, shipped beside the program.
  mkdir -p "$prefix/licenses"
  cp "$prefix.work/source/LICENSES/LGPL-3.0-only.txt" "$prefix.work/source/LICENSES/GPL-3.0-only.txt" \
    "$prefix/licenses/"
  python3 "$here/qt-third-party-notices.py" "$prefix.work/source" > "$prefix/licenses/Qt-third-party.txt"
  cmake -S "$prefix.work/source" -B "$prefix.work/build" "${options[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix"
  nice cmake --build "$prefix.work/build" --parallel "${JOBS:-$(nproc)}"
  cmake --install "$prefix.work/build"
) > "$log" 2>&1
status=$?
set -e
if [ "$status" -ne 0 ]; then
  tail -60 "$log" >&2
  echo "Qt for Windows failed to build; the log is $log" >&2
  exit 1
fi

rm -rf "$prefix.work"
echo "Qt for Windows built in $(( ($(date +%s) - start) / 60 )) minutes" | tee -a "$log" >&2
touch "$prefix/.complete"
echo "$prefix"
