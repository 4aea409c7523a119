#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, as root on Debian 12, the packages of the named lists of scripts/packages/ that are
# not installed yet, without their recommendations: build (what building the programs needs),
# build-station (what tessara-station needs besides), test (the test tools), package (building
# and checking the Debian packages).
# Usage: scripts/install-packages.sh LIST...
set -euo pipefail
lists=$(cd "$(dirname "$0")" && pwd)/packages

packages=()
for list in "$@"; do
    [ -f "$lists/$list.txt" ] || { echo "install-packages: no list $lists/$list.txt" >&2; exit 2; }
    mapfile -t -O "${#packages[@]}" packages < <(sed 's/#.*//; s/[[:space:]]*$//; /^$/d' "$lists/$list.txt")
done
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
