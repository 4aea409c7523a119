#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The main job: installs what building Tessara needs, builds the two programs it runs (a release
# build, no tests), starts a simulated KQ31B (boot loader on a pseudo-terminal, W25Q128 external
# flash), and updates it from the terminal with tessara-cli: update-all, then check-mcu and
# check-flash. The simulator is stopped on every way out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARA_BUILD_DIR:-$root/build-demo}

"$root/scripts/install-packages.sh" build
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DTESSARA_BUILD_TESTS=OFF -DTESSARA_BUILD_BENCH=OFF -DTESSARA_BUILD_STATION=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target tessara-cli tessara-cli-flash-ini tessara-sim
cli=$build/src/cli/tessara-cli
sim=$build/src/sim/tessara-sim

work=$(mktemp -d)
sim_pid=
stop_sim() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        sim_pid=
    fi
    rm -rf "$work"
}
trap stop_sim EXIT
trap 'exit 130' INT TERM

# A KQ31B whose external flash answers 0xEF4018, the W25Q128JV (16 MiB) of data/Flash.ini.
"$sim" --model KQ31B --flash-id 0xEF4018 --flash-size 16M --link "$work/ttyKQ" \
    --log "$work/sim.log" >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do
    [ -e "$work/ttyKQ" ] && break
    kill -0 "$sim_pid" 2>/dev/null || { cat "$work/sim.out" >&2; exit 1; }
    sleep 0.05
done
[ -e "$work/ttyKQ" ] || { echo "demo: the simulator did not come up" >&2; exit 1; }
echo "Simulated KQ31B on $(head -n1 "$work/sim.out") (link $work/ttyKQ)"

# The MCU image: a plain .bin whose run address (bytes 4-7, little-endian) is 0x0800A000, so it
# is programmed at offset 0x2000 and the second boot information record is sent.
head -c 65536 /dev/urandom >"$work/app.bin"
printf '\x00\xa0\x00\x08' | dd of="$work/app.bin" bs=1 seek=4 conv=notrunc status=none
# The flash image: 1 MiB.
head -c 1048576 /dev/urandom >"$work/flash.bin"

# The chip's port is found in the serial-port map, as the window finds it.
export TESSARA_SERIALCOMM="\\Device\\USBSER000=$work/ttyKQ"

step() {
    echo
    echo "== tessara-cli $*"
    "$cli" "$@"
}
failed=
step ports || failed=ports
[ -z "$failed" ] && { step update-all "$work/app.bin" "$work/flash.bin" || failed=update-all; }
[ -z "$failed" ] && { step check-mcu "$work/app.bin" || failed=check-mcu; }
[ -z "$failed" ] && { step check-flash "$work/flash.bin" || failed=check-flash; }

echo
if [ -z "$failed" ]; then
    echo "DEMO OK: KQ31B MCU (64 KiB at 0x0800A000) and W25Q128JV flash (1 MiB) updated and verified"
else
    echo "DEMO FAILED: tessara-cli $failed did not succeed" >&2
    exit 1
fi
