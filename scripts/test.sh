#!/usr/bin/env bash
# Builds Korvane with its tests and benchmarks and runs every test.
# KORVANE_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build_dir=build/debug
sanitize=OFF
if [ "${KORVANE_SANITIZE:-0}" = "1" ]; then
    build_dir=build/sanitize
    sanitize=ON
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=$sanitize >/dev/null
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure --timeout 600 -j2
