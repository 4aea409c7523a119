#!/usr/bin/env bash
# Installs what Tessara needs on Debian 12 (as root), then configures and builds it.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true

packages=(build-essential cmake pkg-config qtbase5-dev libqt5serialport5-dev libudev-dev
          libarchive-dev libsodium-dev                                 # release bundles
          libmosquitto-dev                                             # the line's MQTT
          clang libclang-rt-14-dev clang-format
          minisign unzip                                               # the bundle tests
          mosquitto python3-jsonschema openssl                         # the line's tests
          lintian appstream desktop-file-utils help2man               # the package checks
          qtbase5-dev-tools g++-mingw-w64-x86-64-posix wine wine64) # the Windows checks
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
