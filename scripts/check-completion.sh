#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the bash completion of tessara-cli as bash drives it and checks that it offers exactly
# what the program has: every option its --help mentions and no other, every command of its
# Commands: list and no other, each of them one that the program itself accepts; and, for
# values, the chip's ports after --port and files after an image command.
# Usage: scripts/check-completion.sh COMPLETION_FILE TESSARA_CLI
set -euo pipefail
completion=$(realpath "$1")
cli=$(realpath "$2")

fail() {
    echo "check-completion: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The words the completion offers for the last of the words given (the program first).
offers() {
    TESSARA_SERIALCOMM="\\Device\\USBSER000=$work/ttyKQ" bash -c '
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        _tessara_cli; printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$cli" "$@" | sort -u
}
differ() { # what, offered, expected
    fail "$1: offered and --help differ (< offered only, > --help only):
$(diff <(echo "$2") <(echo "$3") | grep '^[<>]')"
}

help=$("$cli" --help) || fail "tessara-cli --help failed"

# Options: every --name the help mentions, anywhere, is one.
options=$(grep -oE -- '--[A-Za-z0-9][A-Za-z0-9-]*' <<<"$help" | sort -u)
[ -n "$options" ] || fail "tessara-cli --help mentions no option"
offered=$(offers -)
[ "$offered" = "$options" ] || differ options "$offered" "$options"
[ "$(offers --)" = "$options" ] || fail "options: -- offers other words than -"
[ "$(offers update-flash app.bin --only-c)" = --only-changed ] || fail "an option after the command"
# ... and the program takes each of them (a value where it wants one, an empty file for a FILE
# that is read at once; --help ends the run).
touch "$work/empty"
for option in $options; do
    value=()
    grep -qE -- "^  (-[a-z], )?$option <" <<<"$help" && value=(1)
    grep -qE -- "^  (-[a-z], )?$option <FILE>" <<<"$help" && value=("$work/empty")
    "$cli" "$option" "${value[@]}" --help >/dev/null 2>"$work/err" ||
        fail "tessara-cli does not take $option: $(cat "$work/err")"
done
"$cli" --no-such-option --help >/dev/null 2>&1 && fail "tessara-cli takes any option: this check proves nothing"

# Commands: the first word of each line of the help's Commands: list.
commands=$(sed -n '/^Commands:/,/^[^ ]/s/^  \([a-z][a-z-]*\).*/\1/p' <<<"$help" | sort -u)
[ -n "$commands" ] || fail "tessara-cli --help lists no command"
offered=$(offers '')
[ "$offered" = "$commands" ] || differ commands "$offered" "$commands"
[ "$(offers update-a)" = update-all ] || fail "completion of a command's beginning"
[ "$(offers --port /dev/ttyACM0 check-)" = "$(printf 'check-flash\ncheck-mcu')" ] ||
    fail "completion of a command after an option and its value"
# ... and the program knows each of them: on a port that is not there it fails to open it (1)
# or needs no port (0), where an unknown command is bad usage (2).
head -c 64 /dev/zero >"$work/image.bin"
for command in $commands; do
    if grep -qE "^  $command SUBCOMMAND" <<<"$help"; then
        # A command of its own subcommands (bundle) first, with a help of its own.
        own=$("$cli" "$command" --help 2>"$work/err") || fail "tessara-cli $command --help: $(cat "$work/err")"
        [ "$own" != "$help" ] || fail "tessara-cli $command --help prints the program's help"
        continue
    fi
    images=$(sed -n "s/^  $command \\([A-Z_ ]*[A-Z]\\) .*/\\1/p" <<<"$help" | wc -w)
    args=("$command")
    for ((i = 0; i < images; i++)); do args+=("$work/image.bin"); done
    status=0
    "$cli" --quiet --port "$work/no-such-port" "${args[@]}" >/dev/null 2>"$work/err" || status=$?
    [ "$status" -le 1 ] || fail "tessara-cli ${args[*]} ended with status $status: $(cat "$work/err")"
done
status=0
"$cli" --quiet --port "$work/no-such-port" no-such-command >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "tessara-cli takes any command: this check proves nothing"

# Values: the chip's ports after --port (here the one of TESSARA_SERIALCOMM), image files after
# an image command, nothing after a command that takes none.
touch "$work/ttyKQ" "$work/app.bin"
offers --port "$work/tty" | grep -qx "$work/ttyKQ" || fail "completion of --port"
[ "$(offers update-mcu "$work/app.")" = "$work/app.bin" ] || fail "completion of an image"
[ "$(offers --report "$work/app.")" = "$work/app.bin" ] || fail "completion of a FILE value"
[ -z "$(offers probe '')" ] || fail "completion offers files to probe"
# bundle ...: its subcommands, the models after --model, image files after --mcu.
[ "$(offers bundle ver)" = verify ] || fail "completion of a bundle subcommand"
offers bundle create x.kqb --model KQ31 | grep -qx KQ31C || fail "completion of --model"
[ "$(offers bundle create x.kqb --mcu "$work/app.")" = "$work/app.bin" ] ||
    fail "completion of a bundle's image"

echo "check-completion: $(wc -l <<<"$options") options and $(wc -l <<<"$commands") commands offered, exactly those of tessara-cli --help"
