#!/usr/bin/env bash
# The desktop program opens a design named on its command line whose file name
# is not UTF-8 (a Latin-1 "é"). A name that cannot be opened would be reported
# in a message box, which holds the program until the time limit ends it.
# Usage: command_line_name_test.sh KORVANE KORVANE_CLI
set -euo pipefail

korvane=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"
unset WINDIR
export QT_QPA_PLATFORM=offscreen KORVANE_EXIT_WHEN_SHOWN=1 LC_ALL=C.UTF-8

name=$(printf 'sh\351p.k2d')
cd "$work"
"$cli" new "$name" >/dev/null
status=0
timeout 60 "$korvane" "$name" 2>"$work/err" || status=$?
if [ "$status" -ne 0 ]; then
    echo "korvane did not open $name (exit $status):" >&2
    cat "$work/err" >&2
    exit 1
fi
echo "opened a design whose name is not UTF-8"
