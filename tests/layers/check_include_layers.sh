#!/usr/bin/env bash
# Fails when a source folder includes a folder it must not depend on. Inside
# the core the order is model <- engine <- files <- reports <- app <- batch;
# the window logic (ui) sits on the core, the Qt views (gui) on ui, and the
# PDF printing (pdf) and the command line (cli) on the core.
set -euo pipefail
src=${1:?usage: check_include_layers.sh SRC_FOLDER}

core="model engine files reports app batch"
declare -A allowed=(
    [model]="model"
    [engine]="model engine"
    [files]="model engine files"
    [reports]="model engine files reports"
    [app]="model engine files reports app"
    [batch]="$core"
    [ui]="$core ui"
    [pdf]="$core pdf"
    [gui]="$core ui pdf gui"
    [cli]="$core pdf cli"
)

status=0
for folder in "${!allowed[@]}"; do
    [ -d "$src/$folder" ] || continue
    while IFS= read -r line; do
        included=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$line")
        if [[ " ${allowed[$folder]} " != *" $included "* ]]; then
            echo "$line: $folder/ may not include $included/" >&2
            status=1
        fi
    done < <(grep -rnE '^#include "[a-z_]+/' "$src/$folder" || true)
done
[ "$status" -eq 0 ] && echo "every include stays within its layer"
exit "$status"
