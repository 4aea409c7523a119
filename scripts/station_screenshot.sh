#!/usr/bin/env bash
# Makes the pictures of tessara-station in README.md: a fixture of 8 and of 24 slots in mixed
# states, and 8 in Chinese (docs/station-8.png, docs/station-24.png, docs/station-8-zh_CN.png),
# from offscreen runs against simulated boards (tests/test_station.cpp, screenshot()). The
# Chinese needs a CJK font (fonts-wqy-microhei, scripts/packages/test.txt); optipng, when there,
# makes the files smaller.
# Usage: scripts/station_screenshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
if ! fc-list :lang=zh | grep -q .; then
    echo "no Chinese font: apt-get install fonts-wqy-microhei" >&2
    exit 1
fi
cmake --build "$build" --target test_station
QT_QPA_PLATFORM=offscreen TESSARA_STATION_SCREENSHOT="$root/docs" \
    "$build/tests/test_station" screenshot
for png in station-8.png station-24.png station-8-zh_CN.png; do
    if command -v optipng >/dev/null; then optipng -quiet -o2 "$root/docs/$png"; fi
    echo "wrote $root/docs/$png"
done
