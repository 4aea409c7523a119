#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every program answers -h, --help and --version the same way, without a display: -h and --help
# print one help on stdout with status 0, its usage line first, the options under "Options:"
# with "-h, --help" and "--version" among them, and an "Exit status:" list of exactly the
# statuses given, followed by nothing but the examples (the manual page's EXIT STATUS section is
# made of it); --version prints "NAME VERSION" first. A subcommand with a help of its own
# (tessara-cli bundle) is checked the same way but for --version, which is not its own.
# Usage: scripts/check-help.sh VERSION 'NAME|COMMAND...|STATUS,...'...
set -euo pipefail
version=$1
shift

failures=0
fail() {
    echo "check-help: $*" >&2
    failures=$((failures + 1))
}

for entry in "$@"; do
    IFS='|' read -r name command statuses <<<"$entry"
    read -ra run <<<"$command"
    quiet() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${run[@]}" "$@"; }
    short=$(quiet -h 2>&1) || fail "$name -h exits with $?"
    long=$(quiet --help 2>/dev/null) || fail "$name --help exits with $?"
    [ "$short" = "$long" ] || fail "$name -h and --help differ"
    usage=$(head -n 1 <<<"$long")
    [[ $usage =~ ^Usage:\ (.*/)?$name( |$) ]] || fail "$name: the help starts with \"$usage\""
    grep -qx 'Options:' <<<"$long" || fail "$name: the help has no \"Options:\" heading"
    grep -qE '^  -h, --help ' <<<"$long" || fail "$name: the help lists no \"-h, --help\""
    if [ "$name" = "${name% *}" ]; then
        grep -qE '^  --version ' <<<"$long" || fail "$name: the help lists no \"--version\""
        first=$(quiet --version | head -n 1) || fail "$name --version exits with $?"
        [ "$first" = "$name $version" ] || fail "$name --version prints \"$first\""
    fi
    # The statuses of the last section, each at the start of its entry.
    listed=$(sed -n '/^Exit status:$/,$p' <<<"$long" | sed -n 's/^  \([0-9][0-9]*\) .*/\1/p' |
        paste -sd, -)
    [ "$listed" = "$statuses" ] || fail "$name: the help's exit statuses are \"$listed\", not \"$statuses\""
    [ -z "$(sed -n '/^Exit status:$/,$p' <<<"$long" | grep -E '^[A-Z][A-Za-z ]*:$' | grep -v '^Exit status:$' |
        grep -v '^Examples:$')" ] || fail "$name: a section follows the exit statuses"
done
[ "$failures" -eq 0 ] || exit 1
echo "check-help: $# programs answer -h, --help and --version alike"
