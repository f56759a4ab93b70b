#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs the Debian packages ORVA needs to build, test and run.
# Idempotent: only packages that are missing are installed, and the package
# index is refreshed first because a new machine's index may be stale.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6svg6 qt6-qpa-plugins
  # Read-aloud: the flite synthesiser played through Qt Multimedia (no speech daemon needed)
  flite1-dev qt6-multimedia-dev
  pulseaudio  # a sound server of the tests' own, for the real voice to play into
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libsodium-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth poppler-utils
  libreoffice-writer-nogui libreoffice-calc-nogui unzip
  fonts-liberation2 fonts-ebgaramond fonts-dejavu-core
  desktop-file-utils appstream man-db bsdextrautils dpkg-dev file lintian
  shared-mime-info xdg-utils libfile-mimeinfo-perl  # xdg-mime names a record file's type
  g++-mingw-w64-x86-64-posix wine64 autoconf automake libtool
  nsis icoutils x11-utils python3 debian-archive-keyring
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
