#!/usr/bin/env bash
# Builds Korvane and runs it on its built-in catalog. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANE_BUILD_TESTS=OFF -DKORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --target korvane-cli
exec build/release/src/korvane-cli "$@"
