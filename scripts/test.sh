#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build and test tools, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-test
"$root/scripts/install-packages.sh" build build-station test package
"$root/scripts/setup.sh" "$build" -DTESSARA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DTESSARA_WERROR=ON
# Every source formatted as .clang-format says.
(cd "$root" && find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
# Qt's offscreen platform plugin leaks its screen; see the file.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/sanitizers/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Every fuzz target briefly (scripts/fuzz.sh runs them longer); a crash fails the run.
"$root/scripts/fuzz.sh" "${TESSARA_FUZZ_SECONDS:-5}"

# The Windows build: every source compiled for Windows, and the Win32 layer run under wine.
"$root/scripts/check_windows.sh"
"$root/scripts/test_win32.sh"

# The Debian packages, built as Debian builds them, checked and unpacked for one update.
"$root/scripts/check-package.sh"

# Last, so that CTest's summary closes the output.
cd "$build"
ctest --output-on-failure -j "$(nproc)"
