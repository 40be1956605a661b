#!/usr/bin/env bash
# Builds Korvane and runs the desktop program on its built-in catalog. Arguments
# go to the program: a design file to open at start.
set -euo pipefail

# The program joins its arguments into one path; one named relative to the
# caller's folder is made absolute before the cd below.
design="$*"
if [ -n "$design" ] && [ "${design#/}" = "$design" ]; then
    design="$PWD/$design"
fi
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANE_BUILD_TESTS=OFF -DKORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --target korvane korvane-cli

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the desktop" >&2
    echo "program cannot open its windows. Use the command-line tool instead:" >&2
    echo "    build/release/src/korvane-cli --help" >&2
    echo "or run the program on a virtual display: xvfb-run bash scripts/run.sh" >&2
    exit 1
fi
exec build/release/src/korvane ${design:+"$design"}
