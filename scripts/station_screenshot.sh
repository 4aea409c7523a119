#!/usr/bin/env bash
# Makes the picture of tessara-station in README.md and docs/station.md: eight slots in mixed
# states, from an offscreen run against simulated boards (tests/test_station.cpp, screenshot()).
# Usage: scripts/station_screenshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target test_station
QT_QPA_PLATFORM=offscreen TESSARA_STATION_SCREENSHOT="$root/docs/station.png" \
    "$build/tests/test_station" screenshot
echo "wrote $root/docs/station.png"
