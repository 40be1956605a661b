#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing
# (with --package, only those that building the program and its package needs;
# with --screenshots, also those the README's screenshots are taken with).
set -euo pipefail

# The program, its icons and man pages, and its Debian package (dpkg-shlibdeps
# and file work out the libraries it needs).
packages=(
    build-essential cmake ninja-build pkg-config
    libsqlite3-dev libcli11-dev nlohmann-json3-dev qt6-base-dev
    librsvg2-bin dpkg-dev file
)
if [ "${1:-}" != "--package" ]; then
    # The tests, the benchmarks and the fuzz target.
    packages+=(
        libgtest-dev libgmock-dev libbenchmark-dev
        fonts-liberation poppler-utils
        clang libclang-rt-14-dev
        chromium nodejs
        desktop-file-utils appstream shared-mime-info man-db
    )
    # Some Node.js builds carry their own npm and conflict with Debian's package.
    if ! command -v npm >/dev/null 2>&1; then
        packages+=(npm)
    fi
fi
# docs/screenshots/take_screenshots.sh also needs a virtual display, a window
# manager, xdotool and ImageMagick: `scripts/install-deps.sh --screenshots`.
if [ "${1:-}" = "--screenshots" ]; then
    packages+=(xvfb xauth openbox xdotool imagemagick x11-utils)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
