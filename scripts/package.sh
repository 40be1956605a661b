#!/usr/bin/env bash
# Builds the Debian package of Korvane (a Release build in build/release) and
# prints its path; `apt-get install` that path to install it. It installs only
# the Debian packages the build needs, and builds neither tests, benchmarks nor
# the fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANE_BUILD_TESTS=OFF -DKORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build/release
rm -f build/release/korvane_*.deb
(cd build/release && cpack -G DEB >/dev/null)
ls "$PWD"/build/release/korvane_*.deb
