#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] (default 60)
# Prints, per target, the executions and the crashes; fails when any target crashed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${TESSARA_FUZZ_BUILD:-$root/build-fuzz}
jobs=${TESSARA_JOBS:-$(nproc)}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARA_FUZZ=ON -DTESSARA_BUILD_TESTS=OFF >/dev/null
targets=(fuzz_flash_ini fuzz_config_text fuzz_mcu_image fuzz_flash_image fuzz_replies
    fuzz_reply_assembly fuzz_bundle)
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
printf '%-20s %12s %8s\n' target executions crashes
for t in "${targets[@]}"; do
    work=$build/fuzz-runs/$t
    mkdir -p "$work/corpus"
    rm -f "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*
    log=$work/run.log
    status=0
    (cd "$work" && "$build/fuzz/$t" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -print_final_stats=1 corpus >"$log" 2>&1) || status=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    crashes=$(find "$work" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    if [ "$status" -ne 0 ] && [ "$crashes" -eq 0 ]; then crashes=1; fi
    printf '%-20s %12s %8s\n' "$t" "${execs:-0}" "$crashes"
    if [ "$crashes" -ne 0 ]; then
        failed=1
        tail -40 "$log"
    fi
done
exit $failed
