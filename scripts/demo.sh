#!/usr/bin/env bash
# The main job: sets up, builds and starts the operator's window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build"
exec "$root/build/src/app/tessara"
