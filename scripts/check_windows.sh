#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Compiles every source of the Windows build -- the core with its *_win.cpp seams and the Win32
# layer, the window, tessara-cli, and the code uic and moc generate for them -- with the MinGW-w64
# cross compiler against the Qt 5 headers, Windows selected. Syntax and semantics only: the Qt
# libraries for Windows are not on this machine, so nothing is linked. Any error or warning in our
# code fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cxx=x86_64-w64-mingw32-g++-posix
qt=/usr/include/x86_64-linux-gnu/qt5
qt_bin=/usr/lib/qt5/bin
command -v "$cxx" >/dev/null || { echo "check_windows: $cxx missing (scripts/install-packages.sh test installs it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gen=$work/generated
mkdir -p "$gen" "$work/posix-only" "$work/logs"
# MinGW ships POSIX headers that MSVC lacks; shadow them so that an unguarded include fails here.
echo '#error "POSIX header: MSVC has none; guard it with #ifdef _WIN32"' >"$work/posix-only/unistd.h"

qt_includes=(-isystem "$qt")
for module in QtCore QtGui QtWidgets QtSerialPort QtSql; do qt_includes+=(-isystem "$qt/$module"); done
defines=(-DUNICODE -D_UNICODE -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_SERIALPORT_LIB -DQT_SQL_LIB
         -DTESSARA_PROOF_TAG='"POQK"' -DTESSARA_PROOF_TAG_KQ580='"QKGD"'
         -DTESSARA_TRUSTED_KEYS_DIR='"/etc/tessara/trusted-keys"'
         -DTESSARA_SYSTEM_CONFIG_DIR='"/etc/tessara"')
# libmosquitto's, libarchive's and libsodium's headers serve every platform; only they are taken
# from the Linux system.
mkdir -p "$work/libs"
for h in mosquitto.h archive.h archive_entry.h sodium.h sodium; do ln -s "/usr/include/$h" "$work/libs/$h"; done
compile=("$cxx" -std=c++17 -fsyntax-only -Wall -Wextra -Wpedantic -Wshadow -Werror "${defines[@]}"
         -I"$work/posix-only" "${qt_includes[@]}" -isystem "$work/libs" -I"$root/src" -I"$gen")

# The Qt headers must have taken the Windows branch, or the check would prove nothing.
printf '#include <QtGlobal>\n#ifndef Q_OS_WIN\n#error "Qt did not select Windows"\n#endif\n' \
    >"$work/probe.cpp"
"${compile[@]}" "$work/probe.cpp"

cd "$root/src"
sources=()
headers=()
# Every folder of the programs that ship for Windows; the simulator is Linux-only.
for dir in $(find . -mindepth 1 -type d ! -path './sim' ! -path './sim/*' | sort); do
    for f in "$dir"/*.cpp; do
        [[ -e $f && $f != *_linux.cpp ]] && sources+=("${f#./}")
    done
    for f in "$dir"/*.h; do [[ -e $f ]] && headers+=("${f#./}"); done
done
# What the build generates: the version header, the KQ580 loader arrays (here from the test
# fixtures), the forms and the meta-object code.
version=$(sed -n 's/^project(Tessara VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
sed "s/@PROJECT_VERSION@/$version/" "$root/cmake/tessara_version.h.in" >"$gen/tessara_version.h"
cmake -DOUT="$gen/loader_images.cpp" -DNOR="$root/tests/fixtures/nor_loader_fixture.bin" \
      -DNAND="$root/tests/fixtures/nand_loader_fixture.bin" \
      -P "$root/tests/fixtures/embed_loaders.cmake"
sources+=("$gen/loader_images.cpp")
for ui in app/*.ui; do "$qt_bin/uic" "$ui" -o "$gen/ui_$(basename "$ui" .ui).h"; done
moc_flags=(-D_WIN32 "${defines[@]}" -I"$qt" -I"$qt/QtCore" -I"$root/src")
for f in $(grep -l '\bQ_OBJECT\b' "${sources[@]}" "${headers[@]}" || true); do
    name=$(basename "${f%.*}")
    if [[ $f == *.h ]]; then
        "$qt_bin/moc" "${moc_flags[@]}" -f"$f" "$f" -o "$gen/moc_$name.cpp"
        sources+=("$gen/moc_$name.cpp")
    else
        "$qt_bin/moc" "${moc_flags[@]}" "$f" -o "$gen/$name.moc" # included by its source
    fi
done

# One file per core at a time; the diagnostics of each file are printed whole at the end.
parallel=${TESSARA_JOBS:-$(nproc)}
i=0
for f in "${sources[@]}"; do
    while (($(jobs -rp | wc -l) >= parallel)); do wait -n || true; done
    ("${compile[@]}" "$f" >"$work/logs/$i.log" 2>&1 || echo "$f" >"$work/logs/$i.failed") &
    i=$((i + 1))
done
wait
failed=0
for ((n = 0; n < i; n++)); do
    if [ -e "$work/logs/$n.failed" ]; then
        failed=$((failed + 1))
        echo "--- $(cat "$work/logs/$n.failed")"
        cat "$work/logs/$n.log"
    fi
done
if ((failed > 0)); then
    echo "check_windows: $failed of $i files do not compile for Windows" >&2
    exit 1
fi
echo "check_windows: $i files compile for Windows"
