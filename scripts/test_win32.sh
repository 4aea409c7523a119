#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Win32 layer (src/serial/win32) and its tests (tests/win32) with MinGW-w64 into one
# Windows console program and runs it under wine, in a wine prefix of its own that is removed
# afterwards. Fails, with the reason, when anything cannot be built or wine cannot start.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cxx=x86_64-w64-mingw32-g++-posix
for tool in "$cxx" wine wineserver; do
    command -v "$tool" >/dev/null || { echo "test_win32: $tool missing (scripts/install-packages.sh test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and their installers would only slow the start.
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

"$cxx" -std=c++17 -O2 -Wall -Wextra -Wpedantic -Werror -static -I"$root/src" \
    "$root"/src/serial/win32/*.cpp "$root"/tests/win32/*.cpp -ladvapi32 \
    -o "$work/test_win32.exe" &
build=$!

# One server for the whole run: the serial-port map key is volatile, so the values the tests
# write live only as long as the server does.
start=$SECONDS
if ! wineserver -p || ! wine wineboot --init >"$work/wineboot.log" 2>&1; then
    cat "$work/wineboot.log" >&2 || true
    echo "test_win32: wine cannot start, so the Win32 layer was not tested" >&2
    exit 1
fi
echo "test_win32: wine prefix ready in $((SECONDS - start)) s"
wait "$build"

wine "$work/test_win32.exe"
