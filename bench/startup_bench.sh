#!/usr/bin/env bash
# Measures the start-up of `korvane`, from process start until its main window
# has been shown (offscreen platform, KORVANE_EXIT_WHEN_SHOWN=1), against a
# minimal Qt Widgets program that shows one window, in the same run: the
# median wall time of several runs of each, their ratio (target: at most 1.6)
# and the peak resident memory of each (target for korvane: under 120 MB).
# Then `korvane --designer`, until the designer has been shown, against the
# main window's start (target: at most 1.5), with its peak memory.
#
# Usage: bench/startup_bench.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR defaults to build/release (configured with KORVANE_BUILD_BENCH=ON);
#   RUNS to 15. Needs GNU time (/usr/bin/time) for the peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(realpath "${1:-build/release}")
runs=${2:-15}
korvane=$build/src/korvane
minimal=$build/bench/minimal_qt_window
for program in "$korvane" "$minimal"; do
    [ -x "$program" ] || { echo "missing $program: build the korvane and minimal_qt_window targets" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "needs GNU time (/usr/bin/time, Debian package time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"
unset WINDIR
export QT_QPA_PLATFORM=offscreen KORVANE_EXIT_WHEN_SHOWN=1

# One start, not measured, creates the configuration and the catalog, as the
# first start of a user's does; the measured starts open them.
timeout 60 "$korvane" 2>/dev/null

# Runs a program (with its arguments) once: prints its wall time in
# microseconds and its peak resident memory in kilobytes.
measure() {
    local start end
    start=$(date +%s%N)
    timeout 60 /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(cat "$work/rss")"
}

median() {  # of the numbers on standard input
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

: >"$work/korvane" >"$work/minimal" >"$work/designer"
for _ in $(seq "$runs"); do  # interleaved, so all see the same machine load
    measure "$korvane" >>"$work/korvane"
    measure "$minimal" >>"$work/minimal"
    measure "$korvane" --designer >>"$work/designer"
done

korvane_us=$(cut -d' ' -f1 "$work/korvane" | median)
minimal_us=$(cut -d' ' -f1 "$work/minimal" | median)
korvane_kb=$(cut -d' ' -f2 "$work/korvane" | sort -n | tail -1)
minimal_kb=$(cut -d' ' -f2 "$work/minimal" | sort -n | tail -1)
designer_us=$(cut -d' ' -f1 "$work/designer" | median)
designer_kb=$(cut -d' ' -f2 "$work/designer" | sort -n | tail -1)

awk -v k="$korvane_us" -v m="$minimal_us" -v kk="$korvane_kb" -v mk="$minimal_kb" -v runs="$runs" \
    -v d="$designer_us" -v dk="$designer_kb" 'BEGIN {
    printf "start-up until the main window is shown (median of %d runs, offscreen):\n", runs
    printf "  korvane            %8.1f ms   peak %6.1f MB\n", k / 1000, kk / 1024
    printf "  minimal Qt window  %8.1f ms   peak %6.1f MB\n", m / 1000, mk / 1024
    printf "  ratio %.2f (target: at most 1.6); korvane peak %s 120 MB\n", k / m, (kk / 1024 < 120) ? "under" : "NOT under"
    printf "korvane --designer until the designer is shown:\n"
    printf "  designer           %8.1f ms   peak %6.1f MB\n", d / 1000, dk / 1024
    printf "  ratio to the start of the main window %.2f (target: at most 1.5)\n", d / k
}'
