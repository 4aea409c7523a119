#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building Tessara needs on Debian 12 (as root), then configures and builds all of
# it: the programs, the tests and the benchmark.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true

"$root/scripts/install-packages.sh" build build-station
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
