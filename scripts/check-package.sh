#!/usr/bin/env bash
# Builds the Debian package from a release build (hardened as Debian builds it, no tests, no
# sanitizers) and checks what it ships: lintian without error or warning, the desktop entry and
# the AppStream metadata, the files where Debian expects them, stripped programs whose debug
# information is in the -dbgsym package, manual pages that list every option and command, the
# bash completion, and one full update by the unpacked tessara-cli of the unpacked tessara-sim.
# Usage: scripts/check-package.sh [BUILD_DIR]   (default build-pkg; prints the .deb's path last)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-pkg}

fail() {
    echo "check-package: $*" >&2
    exit 1
}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSARA_BUILD_TESTS=OFF -DTESSARA_SANITIZE=OFF \
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
(cd "$build" && rm -f ./*.deb ./*.ddeb && cpack -G DEB >/dev/null)
version=$(sed -n 's/^project(Tessara VERSION \([^ ]*\).*/\1/p' "$root/CMakeLists.txt")
deb=$build/tessara_${version}_amd64.deb
ddeb=$build/tessara-dbgsym_${version}_amd64.ddeb
{ [ -f "$deb" ] && [ -f "$ddeb" ]; } || fail "cpack made no $deb and $ddeb"

# One version everywhere: the project, the changelog and the AppStream release.
[ "$(dpkg-parsechangelog -l "$root/data/changelog" -S Version)" = "$version" ] ||
    fail "data/changelog does not begin with version $version"
grep -q "<release version=\"$version\"" "$root/data/tessara.metainfo.xml.in" ||
    fail "data/tessara.metainfo.xml.in has no release $version"

lintian --fail-on error,warning --display-info "$deb" "$ddeb" || fail "lintian"

work=$(mktemp -d)
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; }
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
tree=$work/root
dpkg -x "$deb" "$tree"
dpkg -e "$deb" "$work/control"
dpkg -x "$ddeb" "$work/dbgsym"

for f in usr/bin/tessara usr/bin/tessara-cli usr/bin/tessara-sim etc/tessara/Flash.ini \
    usr/share/doc/tessara/copyright usr/share/doc/tessara/changelog.gz \
    usr/share/bash-completion/completions/tessara-cli usr/share/applications/tessara.desktop \
    usr/share/icons/hicolor/scalable/apps/tessara.svg lib/udev/rules.d/70-tessara.rules; do
    [ -e "$tree/$f" ] || fail "the package has no /$f"
done
[ "$(cat "$work/control/conffiles")" = /etc/tessara/Flash.ini ] || fail "Flash.ini is no conffile"
[ -z "$(find "$tree/usr/bin" -name '*.ini')" ] || fail "a data file in /usr/bin"
grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$tree/lib/udev/rules.d/70-tessara.rules" ||
    fail "the udev rule does not keep ModemManager away"

desktop-file-validate "$tree/usr/share/applications/tessara.desktop" || fail "desktop entry"
metainfo=$(find "$tree/usr/share/metainfo" -name '*.metainfo.xml')
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "AppStream metadata"; }

# Stripped, and each program's debug information in the dbgsym package under its build ID.
for p in tessara tessara-cli tessara-sim; do
    readelf -S "$tree/usr/bin/$p" | grep -q '\.debug_info' && fail "$p is not stripped"
    id=$(readelf -n "$tree/usr/bin/$p" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
    debug=$work/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
    { [ -n "$id" ] && readelf -S "$debug" 2>/dev/null | grep -q '\.debug_info'; } ||
        fail "no debug information for $p (build ID ${id:-none})"
done

# Each manual page lists every option of its program's --help, and tessara-cli's every command.
# The window answers --help without a display.
export PATH=$tree/usr/bin:$PATH
for p in tessara tessara-cli tessara-sim; do
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$p" --help) ||
        fail "$p --help failed"
    # The page's source, its escaped hyphens and font changes undone.
    page=$(zcat "$tree/usr/share/man/man1/$p.1.gz" | sed 's/\\-/-/g; s/\\f[A-Z]//g; s/\\[,/]//g')
    words=$(grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$help" | sort -u)
    [ "$p" = tessara-cli ] &&
        words+=$'\n'$(sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\).*/\1/p' <<<"$help")
    [ -n "$words" ] || fail "$p --help lists nothing"
    for w in $words; do
        grep -qw -- "$w" <<<"$page" || fail "the manual page of $p lacks $w"
    done
done

# Bash completion, driven as bash drives it: commands, options, an option's port, image files.
touch "$work/app.bin"
complete_words() {
    TESSARA_SERIALCOMM='\Device\USBSER000=/tmp/ttyKQ' bash -c '
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        _tessara_cli; printf "%s\n" "${COMPREPLY[@]}"' _ \
        "$tree/usr/share/bash-completion/completions/tessara-cli" tessara-cli "$@"
}
[ "$(complete_words update-a)" = update-all ] || fail "completion of a command"
complete_words --fl | grep -qx -- --flash-ini || fail "completion of an option"
complete_words --port /tmp/tty | grep -qx /tmp/ttyKQ || fail "completion of --port"
[ "$(complete_words update-mcu "$work/app.")" = "$work/app.bin" ] || fail "completion of an image"
[ -z "$(complete_words probe '')" ] || fail "completion offers files to probe"
[ "$(complete_words bundle ver)" = verify ] || fail "completion of a bundle subcommand"
complete_words bundle create x.kqb --model KQ31 | grep -qx KQ31C || fail "completion of --model"
[ "$(complete_words bundle create x.kqb --mcu "$work/app.")" = "$work/app.bin" ] ||
    fail "completion of a bundle's image"

# One full update by what is shipped: a KQ31B with a W25Q128JV, the package's Flash.ini.
cd "$work"
tessara-sim --model KQ31B --flash-id 0xEF4018 --flash-size 16M --link "$work/ttyKQ" \
    >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do
    [ -e "$work/ttyKQ" ] && break
    kill -0 "$sim_pid" 2>/dev/null || { cat "$work/sim.out" >&2; fail "tessara-sim ended"; }
    sleep 0.05
done
head -c 16384 /dev/urandom >"$work/app.bin"
printf '\x00\xa0\x00\x08' | dd of="$work/app.bin" bs=1 seek=4 conv=notrunc status=none
head -c 65536 /dev/urandom >"$work/flash.bin"
ini=$tree/etc/tessara/Flash.ini
tessara-cli --port "$work/ttyKQ" --flash-ini "$ini" update-all "$work/app.bin" "$work/flash.bin" \
    >"$work/update.out" 2>&1 || { cat "$work/update.out"; fail "update-all failed"; }
# The port first, then the Flash.ini that the package installed.
[ "$(sed -n 2p "$work/update.out")" = "Flash.ini: $ini" ] || fail "the line after the port names no Flash.ini"
grep -qx 'Update flash is OK!!!!!!' "$work/update.out" || fail "no flash update"
echo "check-package: $(basename "$deb") is lintian-clean, installs where Debian expects, and updated a simulated KQ31B"
