#!/usr/bin/env bash
# Builds a small web site with korvane-cli and checks it in headless Chromium.
# Usage: run_browser_test.sh KORVANE_CLI WORK_FOLDER
# Installs what it needs when it is missing (Debian's chromium and Node.js,
# playwright-core from npm into WORK_FOLDER); quick when all is there.
set -euo pipefail

cli=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
playwright_version=1.65.2

missing=()
[ -x /usr/bin/chromium ] || missing+=(chromium)
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

mkdir -p "$work"
installed=$(WORK="$work" node -p \
    "try { require(process.env.WORK + '/node_modules/playwright-core/package.json').version } catch { '' }")
if [ "$installed" != "$playwright_version" ]; then
    npm install --prefix "$work" --no-save --no-audit --no-fund --loglevel=error \
        "playwright-core@$playwright_version"
fi

KORVANE_CLI=$cli PLAYWRIGHT_CORE="$work/node_modules/playwright-core" node "$here/web_index_check.js"
