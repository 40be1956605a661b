#!/usr/bin/env bash
# Times `korvane-cli batch --web` over a folder of generated designs against
# copying the same files (the I/O floor) in the same run, and prints designs
# per second and the ratio of the two times (target: at most 4).
# It also times the run's own file work without the design work
# (safe_rewrite_floor: each design file read, then it and its two companions
# written back through a temporary file and a rename), which shows how much of
# the run the file system takes and how much the program adds (target: at
# most 1.15), best of the rounds against best and round by round. The run works on as many designs at once as the machine has
# processors, as korvane-cli does by default; the file work alone is one
# thread. The work folder is made under TMPDIR: a tmpfs such as /dev/shm,
# where files cost least, shows the program's share most plainly.
#
# Usage: bench/batch_web_bench.sh [KORVANE_CLI] [DESIGNS]
#   KORVANE_CLI defaults to build/release/src/korvane-cli; DESIGNS to 1000.
#   safe_rewrite_floor is looked for in the bench folder of the same build.
set -euo pipefail
cd "$(dirname "$0")/.."

cli=$(realpath "${1:-build/release/src/korvane-cli}")
floor_program=$(dirname "$cli")/../bench/safe_rewrite_floor
count=${2:-1000}
[ -x "$floor_program" ] || { echo "missing $floor_program: build the safe_rewrite_floor target" >&2; exit 2; }
rounds=5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset WINDIR

"$cli" new "$work/template.k2d" >/dev/null
"$cli" catalog export "$work/catalog.csv" >/dev/null
mkdir "$work/fleet"

# Each design is the new design with its own name, ship type, hull size, power
# plant, jump and maneuver codes and up to three kinds of turrets, copied from
# the catalog rows the way the editors copy them. Line numbers are those of the
# design file: a record is 30 lines (TABLE, IDNUM, LABEL, NUMBER, KL, TONS, CR,
# MW, USP, TL, then MISCNUMk and MISCSTRk in turn); the design record and the
# capacity record come first, then the slots' count line and slots 1–40, then
# the sensors, the communicators and the turrets, each with its count line.
awk -v count="$count" -v fleet="$work/fleet" '
    BEGIN { FS = ","; ORS = "\r\n" }
    FNR == NR {
        if ($1 == "PP") { plants[++plant_count] = $0 }
        if ($1 == "TR") { turrets[++turret_count] = $0 }
        if ($1 == "TY") { type_names[++type_count] = $3 }
        next
    }
    { template[FNR] = $0; lines = FNR }
    function slot_start(k) { return 62 + (k - 1) * 30 }
    function turret_start(i) { return 1865 + (i - 1) * 30 }
    # Copies a catalog row (CSV: ... TL, MISCNUM0..10, MISCSTR0..10, custom) into the record at `start`.
    function put_row(design, start, row,    f, k) {
        split(row, f, ",")
        for (k = 1; k <= 10; ++k) { design[start + k - 1] = k == 3 || k == 9 || k == 1 ? f[k] : " " f[k] " " }
        for (k = 1; k <= 10; ++k) {
            design[start + 10 + 2 * (k - 1)] = " " f[11 + k] " "
            design[start + 11 + 2 * (k - 1)] = f[22 + k]
        }
    }
    END {
        for (n = 1; n <= count; ++n) {
            split("", design)
            for (l = 1; l <= lines; ++l) { design[l] = template[l] }
            design[3] = sprintf("Generated %04d", n)
            hull = 1350 * (1 + n % 40)
            design[slot_start(1) + 4] = " " hull " "
            put_row(design, slot_start(4), plants[1 + n % plant_count])
            design[slot_start(4) + 4] = " " int(hull * (2 + n % 9) / 100) " "
            design[slot_start(6) + 8] = n % 5
            design[slot_start(8) + 8] = 1 + n % 6
            for (i = 1; i <= n % 4; ++i) {
                put_row(design, turret_start(i), turrets[1 + (n * 7 + i) % turret_count])
                design[turret_start(i) + 3] = " " (1 + (n + i) % 3) " "
                design[turret_start(i) + 13] = "1"
            }
            type = 1 + n % (type_count + 2)
            design[slot_start(31) + 1] = " " type " "
            design[slot_start(31) + 2] = type <= type_count ? type_names[type] : "Unlisted"
            file = sprintf("%s/design-%04d.k2d", fleet, n)
            for (l = 1; l <= lines; ++l) { print design[l] > file }
            close(file)
        }
    }
' "$work/catalog.csv" RS='\r\n' "$work/template.k2d"

seconds() { date +%s.%N; }
# Arithmetic on decimal seconds: calc EXPRESSION (awk, as bash has integers only).
calc() { awk "BEGIN { printf \"%.6f\", $1 }"; }

best() { calc "${1:-$2} < $2 ? ${1:-$2} : $2"; }
best_copy=
best_batch=
# From the second round on every design has its profile file and page, so the
# run replaces three files per design, as the file work alone always does.
best_rerun=
best_floor=
# The ratio of each round from the second on, batch and file work measured a
# moment apart: the fairer figure when the machine's speed drifts, since the
# best batch and the best file work may come from different rounds.
round_ratios=()
# Each step starts with the disk written out, so that none pays for the
# writing-back of the one before it.
for round in $(seq "$rounds"); do
    rm -rf "$work/copy"
    sync
    start=$(seconds)
    cp -r "$work/fleet" "$work/copy"
    copy=$(calc "$(seconds) - $start")

    sync
    start=$(seconds)
    status=0
    "$cli" batch --web "$work/fleet" >"$work/errors.txt" 2>/dev/null || status=$?
    batch=$(calc "$(seconds) - $start")
    if [ "$status" -gt 1 ]; then
        echo "korvane-cli batch --web failed with exit code $status" >&2
        exit 1
    fi

    sync
    floor=$("$floor_program" "$work/fleet")

    printf 'round %d: copy %.3f s, batch --web %.3f s, file work alone %.3f s\n' \
        "$round" "$copy" "$batch" "$floor"
    best_copy=$(best "$best_copy" "$copy")
    best_batch=$(best "$best_batch" "$batch")
    best_floor=$(best "$best_floor" "$floor")
    if [ "$round" -gt 1 ]; then
        best_rerun=$(best "$best_rerun" "$batch")
        round_ratios+=("$(calc "$batch / $floor")")
    fi
done

pages=$(find "$work/fleet" -name '*.htm' | wc -l)
printf '%d designs, %d pages, %d lines in the error list\n' "$count" "$pages" "$(wc -l <"$work/errors.txt")"
printf 'best of %d: copy %.3f s, batch --web %.3f s\n' "$rounds" "$best_copy" "$best_batch"
printf 'designs per second: %.0f\n' "$(calc "$count / $best_batch")"
printf 'ratio batch / copy: %.2f (target: at most 4)\n' "$(calc "$best_batch / $best_copy")"
if [ -n "$best_rerun" ]; then
    printf 'rounds 2 to %d: batch --web %.3f s, file work alone %.3f s\n' \
        "$rounds" "$best_rerun" "$best_floor"
    printf '  file work alone / copy: %.2f (what the file system takes)\n' \
        "$(calc "$best_floor / $best_copy")"
    printf '  batch / file work alone: %.2f (what the program adds; target: at most 1.15)\n' \
        "$(calc "$best_rerun / $best_floor")"
    listed=$(printf '%.2f ' "${round_ratios[@]}")
    printf '  the same round by round: %s; median %.2f\n' "${listed% }" \
        "$(printf '%s\n' "${round_ratios[@]}" | sort -n |
            awk '{ r[NR] = $1 } END { print NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2 }')"
fi
