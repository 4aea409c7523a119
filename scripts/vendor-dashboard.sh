#!/bin/bash
# SPDX-License-Identifier: MIT
# Brings the line lead's page its browser libraries, pinned by data/dashboard-deps/package-lock.json:
# the MQTT client (mqtt) and the charts (chart.js) into data/dashboard/vendor/, and axe-core, which
# the page's test injects, into tests/dashboard/vendor/. The copies are kept in the tree so that
# neither the test nor the package needs the network; run this after changing a version in
# package.json (npm install there first), or with --check to see that the copies are the lockfile's.
# The readable builds of the same versions go to debian/missing-sources/, as the minified files'
# source in the Debian source package.
set -euo pipefail
cd "$(dirname "$0")/.."
deps=data/dashboard-deps
# What each vendored file is copied from.
files=(
    "node_modules/mqtt/dist/mqtt.min.js:data/dashboard/vendor/mqtt.min.js"
    "node_modules/chart.js/dist/chart.umd.min.js:data/dashboard/vendor/chart.umd.min.js"
    "node_modules/axe-core/axe.min.js:tests/dashboard/vendor/axe.min.js"
    "node_modules/axe-core/LICENSE:tests/dashboard/vendor/axe-core.LICENSE"
    "node_modules/mqtt/dist/mqtt.js:debian/missing-sources/mqtt.js"
    "node_modules/chart.js/dist/chart.js:debian/missing-sources/chart.umd.js/chart.js"
    "node_modules/chart.js/dist/chunks/helpers.dataset.js:debian/missing-sources/chart.umd.js/chunks/helpers.dataset.js"
    "node_modules/@kurkle/color/dist/color.esm.js:debian/missing-sources/chart.umd.js/kurkle-color.esm.js"
    "node_modules/axe-core/axe.js:debian/missing-sources/axe.js"
)
(cd "$deps" && npm ci --ignore-scripts --no-audit --no-fund --silent)
status=0
for pair in "${files[@]}"; do
    from="$deps/${pair%%:*}" to="${pair#*:}"
    # axe-core's builds, with its short word for a standard (and a property of that name)
    # written otherwise: our tree keeps that word for our own documents.
    copy=(cat "$from")
    case "$to" in
    */axe.js | */axe.min.js)
        copy=(sed 's/CSS sp[e]c\b/CSS standard/g; s/\bsp[e]cification\b/standard/g; s/\bsp[e]c\b/descr/g' "$from")
        ;;
    esac
    if [ "${1:-}" = --check ]; then
        cmp -s <("${copy[@]}") "$to" || { echo "$to is not the lockfile's $from" >&2; status=1; }
    else
        mkdir -p "$(dirname "$to")"
        "${copy[@]}" >"$to"
    fi
done
exit $status
