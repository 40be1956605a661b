#!/usr/bin/env bash
# The desktop program's command line as a newcomer tries it: --help and
# --version print and end with or without a display, a start without a display
# says so in one line and ends with 1 (not Qt's abort), and an unknown option
# is refused before any window opens.
# Usage: command_line_options_test.sh KORVANE
set -uo pipefail

korvane=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"
unset WINDIR
export KORVANE_EXIT_WHEN_SHOWN=1

failures=0
# expect STATUS DESCRIPTION -- COMMAND...: runs it (a minute at most) and
# checks its exit status; its output is left in $work/out and $work/err.
expect() {
    local wanted=$1 what=$2 status=0
    shift 3
    timeout 60 "$@" >"$work/out" 2>"$work/err" || status=$?
    if [ "$status" -ne "$wanted" ]; then
        echo "FAIL: $what: exit $status, expected $wanted; stderr:" >&2
        cat "$work/err" >&2
        failures=$((failures + 1))
    fi
}
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

expect 0 "--help without a display" -- "${no_display[@]}" "$korvane" --help
grep -q '^Usage: korvane ' "$work/out" || fail "--help printed no usage: $(cat "$work/out")"
grep -q -- '--version' "$work/out" || fail "--help does not list --version"

expect 0 "--version without a display" -- "${no_display[@]}" "$korvane" --version
grep -qx 'Korvane v[0-9.]*' "$work/out" || fail "--version printed: $(cat "$work/out")"

expect 1 "a start without a display" -- "${no_display[@]}" "$korvane"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "no display: not one line: $(cat "$work/err")"
grep -q 'DISPLAY' "$work/err" || fail "no display: the line does not say so: $(cat "$work/err")"

# A display that names no running server: Qt gives up, the program ends with 1.
expect 1 "a display nobody serves" -- env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 \
    "$korvane"

expect 2 "an unknown option" -- env QT_QPA_PLATFORM=offscreen "$korvane" --frobnicate
grep -q -- '--frobnicate' "$work/err" || fail "the unknown option is not named: $(cat "$work/err")"

# The window switches are the program's, and start it.
expect 0 "--designer" -- env QT_QPA_PLATFORM=offscreen "$korvane" --designer
expect 0 "--classic" -- env QT_QPA_PLATFORM=offscreen "$korvane" --classic

# Qt's own options are Qt's: the program starts.
expect 0 "-platform offscreen without a display" -- "${no_display[@]}" "$korvane" -platform offscreen

[ "$failures" -eq 0 ] || exit 1
echo "the command line works as described"
