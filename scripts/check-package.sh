#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian source and binary packages with dpkg-buildpackage, from a copy of the tree,
# and checks them: lintian without error or warning on the source and on every binary package;
# what each package holds and depends on (no graphical library for tessara-cli and
# tessara-sim); the configuration files; the udev rule and the systemd unit where udev and
# systemd look for them; what installing tessara-cli does (its system user, no unit enabled)
# and upgrading it (a running station left running); stripped programs with their debug
# information in the -dbgsym packages; the desktop entry and the AppStream data; the manual page
# of every program (and of tessara-cli bundle) with every option, every section, the trusted keys
# where it reads bundles and every other page in SEE ALSO; the bash completion;
# the station's unit as systemd-analyze verifies it; and one full update by the unpacked
# tessara-cli of the unpacked tessara-sim.
# Usage: scripts/check-package.sh [OUT_DIR]   (default build-deb, where the packages are left)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-deb}

fail() {
    echo "check-package: $*" >&2
    exit 1
}

# One version everywhere: the project, the changelog and the AppStream release.
version=$(sed -n 's/^project(Tessara VERSION \([^ ]*\).*/\1/p' "$root/CMakeLists.txt")
[ "$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)" = "$version" ] ||
    fail "debian/changelog does not begin with version $version"
for f in "$root"/data/*.metainfo.xml.in; do
    grep -q "<release version=\"$version\"" "$f" || fail "$f has no release $version"
done

# What the demo and the station install to build is what the source package says it needs.
build_depends=$(awk '/^Build-Depends:/ { on = 1; sub(/^Build-Depends:/, "") }
                     on && /^[A-Za-z-]+:/ && !/^Build-Depends:/ { on = 0 } on' "$root/debian/control" |
    tr ',' '\n' | sed 's/[(|[].*//; s/[[:space:]]//g; /^$/d')
for list in build build-station; do
    for p in $(sed 's/#.*//' "$root/scripts/packages/$list.txt"); do
        [ "$p" = build-essential ] || grep -qx -- "$p" <<<"$build_depends" ||
            fail "$p of scripts/packages/$list.txt is no Build-Depends of debian/control"
    done
done

# The source package is made from the files git knows (committed or not), not from build trees.
src=$out/tessara-$version
rm -rf "$out"
mkdir -p "$src"
git -C "$root" ls-files -z --cached --others --exclude-standard |
    tar -C "$root" --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -C "$src" -xf -
# The compiler cache, when there is one: the user's, since debhelper gives the build a HOME of
# its own.
if command -v ccache >/dev/null && [ -d /usr/lib/ccache ]; then
    export PATH=/usr/lib/ccache:$PATH CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(ccache -k base_dir)}
fi
(cd "$src" && dpkg-buildpackage -us -uc -j"$(nproc)") >"$out/build.log" 2>&1 ||
    { tail -n 40 "$out/build.log"; fail "dpkg-buildpackage failed (the whole log: $out/build.log)"; }

arch=$(dpkg --print-architecture)
packages=(tessara tessara-cli tessara-sim)
programs=(tessara tessara-cli tessara-sim tessara-station)
deb() { echo "$out/${1}_${version}_$arch.deb"; }
for p in "${packages[@]}"; do
    for f in "$(deb "$p")" "$(deb "$p-dbgsym")"; do [ -f "$f" ] || fail "no $f"; done
done
tar -tJf "$out/tessara_$version.tar.xz" | grep -qE '^tessara-[^/]*/(build|obj-)' &&
    fail "the source package holds a build tree"

lintian --fail-on error,warning --display-info "$out/tessara_${version}_$arch.changes" \
    >"$out/lintian.log" 2>&1 || { cat "$out/lintian.log"; fail "lintian"; }
echo "lintian: $(wc -l <"$out/lintian.log") tags, none an error or a warning"
cat "$out/lintian.log"

# Dependencies: the terminal programs need no graphical library; the window does (which shows
# that the pattern finds them).
gui='libqt5(gui|widgets)|libx11|libxcb|libgl|libegl|libwayland|libvulkan'
for p in tessara-cli tessara-sim; do
    depends=$(dpkg-deb -f "$(deb "$p")" Depends)
    grep -qE "$gui" <<<"$depends" && fail "$p depends on graphical libraries: $depends"
done
dpkg-deb -f "$(deb tessara)" Depends | grep -qE "$gui" || fail "the window has no graphical libraries"

work=$(mktemp -d)
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; }
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Each package on its own, and all three in one tree to run them.
tree=$work/root
for p in "${packages[@]}"; do
    dpkg -x "$(deb "$p")" "$work/$p"
    dpkg -x "$(deb "$p")" "$tree"
    dpkg -x "$(deb "$p-dbgsym")" "$work/dbgsym"
done
udev_rules=$(pkg-config --variable=udevdir udev)/rules.d
unit_dir=$(pkg-config --variable=systemdsystemunitdir systemd)
sysusers_dir=$(pkg-config --variable=sysusersdir systemd)
holds() { # package, files
    local p=$1 f
    shift
    for f in "$@" "usr/share/doc/$p/copyright" "usr/share/doc/$p/changelog.gz"; do
        [ -e "$work/$p/${f#/}" ] || fail "$p has no /${f#/}"
    done
}
holds tessara usr/bin/tessara usr/share/man/man1/tessara.1.gz \
    usr/share/applications/tessara.desktop usr/share/icons/hicolor/scalable/apps/tessara.svg \
    usr/bin/tessara-station usr/share/man/man1/tessara-station.1.gz \
    usr/share/applications/tessara-station.desktop \
    usr/share/tessara/translations/tessara-station_zh_CN.qm
holds tessara-cli usr/bin/tessara-cli usr/share/man/man1/tessara-cli.1.gz \
    usr/share/man/man1/tessara-cli-bundle.1.gz \
    usr/share/doc/tessara-cli/events.md usr/share/doc/tessara-cli/events.schema.json \
    etc/tessara/Flash.ini etc/tessara/station.conf "$udev_rules/70-tessara.rules" \
    "$unit_dir/tessara-station.service" "$sysusers_dir/tessara.conf" \
    usr/share/bash-completion/completions/tessara-cli
holds tessara-sim usr/bin/tessara-sim usr/share/man/man1/tessara-sim.1.gz
[ -z "$(find "$tree/usr/bin" -name '*.ini')" ] || fail "a data file in /usr/bin"
grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$tree/$udev_rules/70-tessara.rules" ||
    fail "the udev rule does not keep ModemManager away"

# The operator's files are kept over upgrades.
dpkg -e "$(deb tessara-cli)" "$work/control"
[ "$(sort "$work/control/conffiles")" = "$(printf '/etc/tessara/Flash.ini\n/etc/tessara/station.conf')" ] ||
    fail "Flash.ini and station.conf are not the configuration files: $(cat "$work/control/conffiles")"
grep -qv '^ *#' <(grep -v '^ *$' "$tree/etc/tessara/station.conf") &&
    fail "station.conf ships with a line that is not a comment"

# A first installation of tessara-cli, its commands recorded: the user is made from the
# package's sysusers file, and the station is neither enabled nor started.
mkdir "$work/stubs"
for c in systemd-sysusers systemctl deb-systemd-invoke deb-systemd-helper; do
    printf '#!/bin/sh\necho "%s $*" >>"%s"\n' "$c" "$work/calls" >"$work/stubs/$c"
done
# Before the first installation: the unit has never been installed, nor disabled.
cat >>"$work/stubs/deb-systemd-helper" <<'EOF'
case "$*" in *debian-installed*) exit 1 ;; esac
EOF
chmod +x "$work/stubs/"*
PATH=$work/stubs:$PATH sh "$work/control/postinst" configure "" >/dev/null 2>&1 ||
    fail "tessara-cli's postinst failed"
grep -qx 'systemd-sysusers .*tessara.conf' "$work/calls" || fail "installing tessara-cli makes no user"
grep -E 'deb-systemd-helper enable|systemctl .*enable|deb-systemd-invoke .*start' "$work/calls" &&
    fail "installing tessara-cli enables or starts the station"
# An upgrade leaves a running station alone (a restart would stop the boards on the fixture):
# the prerm stops it only when the package is removed, and the postinst never restarts it. Read
# from the scripts, since they act only where systemd runs.
grep -q restart "$work/control/postinst" && fail "upgrading tessara-cli restarts the station"
grep -B2 'deb-systemd-invoke stop' "$work/control/prerm" | grep -q '"$1" = remove' ||
    fail "upgrading tessara-cli stops the station"
# What systemd-sysusers makes of the file, on a copy of this system's users and groups: a
# system user who cannot log in, a member of dialout.
mkdir -p "$work/users/etc"
cp /etc/passwd /etc/group /etc/shadow /etc/gshadow "$work/users/etc/" 2>/dev/null || true
systemd-sysusers --root="$work/users" "$tree/$sysusers_dir/tessara.conf" >/dev/null 2>&1 ||
    fail "systemd-sysusers refuses $sysusers_dir/tessara.conf"
grep -qE '^tessara:x:[0-9]+:[0-9]+:[^:]*:/var/lib/tessara:/usr/sbin/nologin$' "$work/users/etc/passwd" ||
    fail "no user tessara without a login: $(grep '^tessara:' "$work/users/etc/passwd")"
grep -qE '^dialout:x:[0-9]+:(.*,)?tessara(,.*)?$' "$work/users/etc/group" ||
    fail "the user tessara is no member of dialout"

desktop-file-validate "$tree/usr/share/applications/tessara.desktop" || fail "desktop entry"
for p in tessara tessara-cli; do
    metainfo=$(find "$work/$p/usr/share/metainfo" -name '*.metainfo.xml')
    [ -n "$metainfo" ] || fail "$p has no AppStream metadata"
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" ||
        { cat "$work/appstream.log"; fail "AppStream metadata of $p"; }
done

# Stripped, and each program's debug information in the dbgsym packages under its build ID.
for p in "${programs[@]}"; do
    readelf -S "$tree/usr/bin/$p" | grep -q '\.debug_info' && fail "$p is not stripped"
    id=$(readelf -n "$tree/usr/bin/$p" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
    debug=$work/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
    { [ -n "$id" ] && readelf -S "$debug" 2>/dev/null | grep -q '\.debug_info'; } ||
        fail "no debug information for $p (build ID ${id:-none})"
done

# Each manual page: its sections, the program's version, every option of its --help and, for
# tessara-cli, every command; the trusted keys in FILES where bundles are read; every other page
# in SEE ALSO. The window and the station answer --help without a display.
export PATH=$tree/usr/bin:$PATH
pages=("${programs[@]}" tessara-cli-bundle)
for page in "${pages[@]}"; do
    run=("$page")
    [ "$page" = tessara-cli-bundle ] && run=(tessara-cli bundle)
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${run[@]}" --help) ||
        fail "${run[*]} --help failed"
    sections=(NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' FILES EXAMPLES 'SEE ALSO')
    if [ "$page" != tessara-cli-bundle ]; then
        sections+=(ENVIRONMENT)
        [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$page" --version | head -n 1)" = "$page $version" ] ||
            fail "$page --version does not begin with \"$page $version\""
    fi
    source=$(zcat "$tree/usr/share/man/man1/$page.1.gz")
    grep -q "^\.TH .*\"$page $version\"" <<<"$source" || fail "the manual page of $page shows no version"
    for section in "${sections[@]}"; do
        grep -qE "^\.SH \"?$section\"?$" <<<"$source" ||
            fail "the manual page of $page has no $section section"
    done
    # The page's text, its escaped hyphens and font changes undone.
    text=$(sed 's/\\-/-/g; s/\\f[A-Z]//g; s/\\[,/]//g' <<<"$source")
    words=$(grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$help" | sort -u)
    [ "$page" = tessara-cli ] &&
        words+=$'\n'$(sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\).*/\1/p' <<<"$help")
    [ -n "$words" ] || fail "${run[*]} --help lists nothing"
    for w in $words; do
        grep -qw -- "$w" <<<"$text" || fail "the manual page of $page lacks $w"
    done
    if [ "$page" != tessara-sim ]; then
        sed -n '/^\.SH FILES/,/^\.SH [^F]/p' <<<"$text" | grep -q '/etc/tessara/trusted-keys' ||
            fail "the manual page of $page names no /etc/tessara/trusted-keys in FILES"
    fi
    for other in "${pages[@]}"; do
        [ "$other" = "$page" ] || sed -n '/^\.SH "SEE ALSO"/,$p' <<<"$text" | grep -q "^\.BR $other (1)" ||
            fail "the manual page of $page does not name $other in SEE ALSO"
    done
done

bash "$root/scripts/check-completion.sh" "$tree/usr/share/bash-completion/completions/tessara-cli" \
    "$tree/usr/bin/tessara-cli" || fail "bash completion"

# The station's unit, verified against the system's units and the packaged program, whether or
# not systemd runs here: any remark at all is a failure. Its exposure, as systemd rates the
# hardening, may not grow past what it is now (3.1 of 10).
sdroot=$work/sdroot
mkdir -p "$sdroot/$unit_dir"
cp -a "$work/tessara-cli/." "$sdroot/"
cp -rn "$unit_dir/." "$sdroot/$unit_dir/"
verify=$(systemd-analyze verify --root="$sdroot" --man=no tessara-station.service 2>&1) ||
    fail "systemd-analyze verify: $verify"
[ -z "$verify" ] || fail "systemd-analyze verify: $verify"
systemd-analyze security --offline=true --root="$sdroot" --threshold=31 tessara-station.service \
    >"$work/security.log" 2>&1 || { cat "$work/security.log"; fail "the station's exposure grew"; }
echo "systemd-analyze: tessara-station.service verified; $(tail -n 1 "$work/security.log" | sed 's/^→ //')"

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

for p in "${packages[@]}"; do
    printf 'check-package: %-40s %6s KiB, installed %6s KiB, depends: %s\n' "$(basename "$(deb "$p")")" \
        "$(($(stat -c %s "$(deb "$p")") / 1024))" "$(dpkg-deb -f "$(deb "$p")" Installed-Size)" \
        "$(dpkg-deb -f "$(deb "$p")" Depends)"
done
echo "check-package: the source and binary packages in $out are lintian-clean, install where Debian expects, and updated a simulated KQ31B"
