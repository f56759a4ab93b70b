#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Rebuilds the artwork tool in a temporary folder and redraws every image into resources/.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/draw_artwork" "$here/.."
