#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The quick path for daily work: builds the normal configuration (the compiler cache when there
# is one; no sanitizers, fuzz targets, Windows build or package checks) and runs every test.
# scripts/test.sh stays the whole check.
# Usage: scripts/quick-test.sh [--under-load RUNS] [BUILD_DIR]
#   --under-load RUNS  runs the tests RUNS times in a row with `stress-ng --cpu 2` beside them,
#                      stopping at the first run that fails: no test may decide on speed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=1
load=
if [ "${1:-}" = --under-load ]; then
    runs=${2:?--under-load needs a number of runs}
    load=1
    shift 2
fi
build=${1:-$root/build}
jobs=$(nproc)

"$root/scripts/install-packages.sh" build build-station test
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$jobs"

if [ -n "$load" ]; then
    stress-ng --cpu 2 --quiet &
    stress=$!
    trap 'kill "$stress" 2>/dev/null; wait "$stress" 2>/dev/null || true' EXIT
fi
export QT_QPA_PLATFORM=offscreen
cd "$build"
for run in $(seq "$runs"); do
    start=$(date +%s)
    ctest --output-on-failure -j "$jobs"
    echo "quick-test: run $run of $runs passed in $(($(date +%s) - start)) s${load:+ under stress-ng --cpu 2}"
done
