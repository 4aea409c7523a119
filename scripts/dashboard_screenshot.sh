#!/usr/bin/env bash
# Makes the picture of the line lead's page for docs/dashboard.md: two stations, one failure and
# the version warning, in headless Chromium against a real Mosquitto and simulated boards (the
# page's test, tests/dashboard/test_dashboard.py, which takes it once the line is shown).
# Usage: scripts/dashboard_screenshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target tessara-cli tessara-sim
python3 "$root/tests/dashboard/test_dashboard.py" --cli "$build/src/cli/tessara-cli" \
    --sim "$build/src/sim/tessara-sim" --source "$root" --screenshot "$root/docs/dashboard.png"
echo "wrote $root/docs/dashboard.png"
