#!/usr/bin/env bash
# Takes the screenshots of the README: runs korvane under Xvfb with a small
# window manager, on a fleet of three designs in a scratch home
# (/tmp/korvane-demo), and clicks its way to the choice dialog and the batch
# window; then the crew, craft and other-features windows on a ship the
# keyboard fills, and the other section editors on a warship with sensors and
# communicators fitted (vigilant.k2d, beside this script), the sensors editor
# also with its "Available:" table filtered, its totals window with the
# breakdown open and its comparison with a refit. The click
# positions suit the Fusion style at 96 dpi; LAST_EDITS_X/_Y, BULK_X/_Y,
# RUN_X/_Y and SECTION_X with HULL_Y, POWER_Y, DRIVES_Y, ELECTRONICS_Y,
# WEAPONS_Y, CONTROL_Y and COMPARE_X/_Y move them.
# Last, on a 1600x1000 screen at QT_SCALE_FACTOR 1, 1.5 and 2 in turn, it
# checks that every window of the program stands wholly on the screen: the
# main window and the totals window, then each section editor opened from the
# main window by its access key beside the totals window (KORVANE_SCALES
# chooses other scales). With --check-only it makes that check alone.
# Needs xvfb, xauth, openbox, xdotool and imagemagick (for the screenshots only).
# Usage: docs/screenshots/take_screenshots.sh [--check-only] BUILD_DIR
set -euo pipefail

check_only=
if [ "${1:-}" = --check-only ]; then
    check_only=1
    shift
fi
build=$(realpath "${1:?the build folder, with src/korvane and src/korvane-cli}")
shots=$(realpath "$(dirname "$0")")

# --- Every window wholly on screen (run under an Xvfb of its own, 1600x1000).
if [ -n "${KORVANE_ON_SCREEN_CHECK:-}" ]; then
    home=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$home"' EXIT
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
    openbox >/dev/null 2>&1 &
    sleep 1
    read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ {sub("x", " ", $2); print $2}')
    failures=0
    on_screen() {  # every visible window of the program ($1) within the screen; $2 names the step
        local id x y w h left right top bottom
        for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
            eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $NF}
                /Absolute upper-left Y/ {print "y=" $NF} /Width:/ {print "w=" $NF}
                /Height:/ {print "h=" $NF}')"
            read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS |
                sed 's/.*= //; s/,//g')
            if ((x - left < 0 || y - top < 0 || x + w + right > screen_width ||
                y + h + bottom > screen_height)); then
                echo "off screen at scale $scale, $2: $(xdotool getwindowname "$id")" \
                    "$((x - left)),$((y - top)) $((w + left + right))x$((h + top + bottom))" >&2
                failures=$((failures + 1))
            fi
        done
    }
    for scale in ${KORVANE_SCALES:-1 1.5 2}; do
        rm -rf "$home/config" "$home/data"
        QT_SCALE_FACTOR=$scale "$build/src/korvane" >/dev/null 2>&1 &
        pid=$!
        sleep 4
        on_screen "$pid" "the main window"
        main=
        for id in $(xdotool search --onlyvisible --pid "$pid"); do
            xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q NORMAL && main=$id
        done
        # Hull, power, drives, electronics, weapons, control, crew, craft, other.
        for key in h p d e w m c b t; do
            xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
            xdotool key "alt+$key"
            sleep 2
            on_screen "$pid" "alt+$key"
            # Escape closes a form editor; the crew, craft and other windows
            # close with their "Done" (Alt+D).
            xdotool key Escape
            sleep 0.5
            if ! xwininfo -id "$main" | grep -q IsViewable; then
                xdotool key alt+d
                sleep 0.5
            fi
        done
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done
    [ "$failures" -eq 0 ] && echo "Every window stood wholly on the screen at 1x, 1.5x and 2x."
    exit $((failures > 0))
fi

if [ -n "$check_only" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" \
        env KORVANE_ON_SCREEN_CHECK=1 "$0" "$build"
fi

if [ -z "${KORVANE_SCREENSHOT_DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" \
        env KORVANE_SCREENSHOT_DISPLAY=1 "$0" "$@"
    exec "$0" --check-only "$@"
fi

home=${SCREENSHOT_HOME:-/tmp/korvane-demo}
rm -rf "$home"
mkdir "$home"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state
mkdir -p "$home/fleet"

# Three designs: the new design under three names (the name is the third line).
for ship in Kestrel Harrier Osprey; do
    file=$home/fleet/$(echo "$ship" | tr 'A-Z' 'a-z').k2d
    "$build/src/korvane-cli" new "$file" >/dev/null
    printf -v name '%-20s' "$ship"
    sed -i "3s/.*/$name\r/" "$file"
done

openbox >/dev/null 2>&1 &
sleep 1

window() {  # waits for a window whose title matches $1, other than $2, and prints its id
    for _ in $(seq 50); do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            [ "$id" != "${2:-}" ] && { echo "$id"; return; }
        done
        sleep 0.2
    done
    echo "no window \"$1\"" >&2
    exit 1
}

desktop() {  # the framed windows $2... on a plain desktop, saved as $1
    local layers=()
    for id in "${@:2}"; do
        import -frame -window "$id" "$home/$id.png"
        eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}')"
        read -r left _ top _ < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
        layers+=(-page "+$((x - left))+$((y - top))" "$home/$id.png")
    done
    convert -size 1280x800 gradient:'#50657a'-'#263340' "${layers[@]}" -flatten "$1"
}

click() {  # clicks the widget at x,y of a window
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

# Ends the running program as a logout would. A program ended so leaves its
# recovery copy behind, and the next start would offer to restore it in place
# of the design it is given: the copies go with it.
stop_korvane() {
    kill "$korvane_pid"
    wait "$korvane_pid" 2>/dev/null || true
    rm -rf "$XDG_STATE_HOME/korvane/recovery"
}

"$build/src/korvane" "$home/fleet/kestrel.k2d" &
korvane_pid=$!
main=$(window '^Korvane v[0-9.]* - kestrel.k2d$')
totals=$(window '^Korvane v[0-9.]*$')
sleep 1
desktop "$shots/main-and-totals.png" "$main" "$totals"

# "Last x edits..." is the sixth button of "Post-design Options".
click "$main" "${LAST_EDITS_X:-260}" "${LAST_EDITS_Y:-338}"
choice=$(window '^Previous Edits$')
sleep 0.5
import -frame -window "$choice" "$shots/choice-dialog.png"
xdotool key Escape
sleep 0.5

# "Bulk save options", then a run over the fleet.
click "$main" "${BULK_X:-260}" "${BULK_Y:-379}"
batch=$(window '^Korvane v[0-9.]*$' "$totals")
sleep 0.5
click "$batch" "${RUN_X:-150}" "${RUN_Y:-40}"
window '^Select directory$' >/dev/null
xdotool type "$home/fleet/"
xdotool key Return
sleep 0.5
# The first Return may only have opened the folder in the chooser.
if xdotool search --onlyvisible --name '^Select directory$' >/dev/null 2>&1; then
    xdotool key Return
fi
# The three designs have no power plant: the run ends with their error list.
errors=$(window '^Enter Text$')
sleep 0.5
import -frame -window "$errors" "$shots/error-list.png"
xdotool key Escape
sleep 0.5
import -frame -window "$batch" "$shots/batch-window.png"

# --- The crew, craft and other-features windows, on a ship of their own that
# the keyboard fills: staterooms and low berths, launches, a custom
# feature and the anti-hijack defaults. The crew window is taken last, when the
# launches' flight crew stands above the crew taken before: its lines in red.
# CREW_X/_Y, CRAFT_X/_Y and OTHER_X/_Y move the section buttons.
stop_korvane
"$build/src/korvane-cli" new "$home/fleet/corsair.k2d" >/dev/null
printf -v name '%-20s' "Corsair"
sed -i "3s/.*/$name\r/" "$home/fleet/corsair.k2d"
"$build/src/korvane" "$home/fleet/corsair.k2d" &
korvane_pid=$!
main=$(window '^Korvane v[0-9.]* - corsair.k2d$')
totals=$(window '^Korvane v[0-9.]*$')
sleep 1

keys() {  # presses keys in the window that has the focus
    xdotool key --delay 100 "$@"
    sleep 0.5
}
choose() {  # answers the choice dialog that has the focus with its focused option
    keys Return
}
type_answer() {  # types $1 into the input box that has the focus
    xdotool type --delay 20 "$1"
    keys Return
}

click "$main" "${CREW_X:-43}" "${CREW_Y:-379}"
crew=$(window '^Korvane v[0-9.]*$' "$totals")
sleep 0.5
keys alt+f                                   # Accept defaults
keys alt+a Home Return && choose              # staterooms
keys alt+a Home Down Down Down Down Return && choose  # low berths
keys alt+d

click "$main" "${CRAFT_X:-43}" "${CRAFT_Y:-420}"
craft=$(window '^Korvane v[0-9.]*$' "$totals")
sleep 0.5
keys alt+a Home Down Down Down Return && choose     # ship's launches
keys alt+i Home
import -frame -window "$craft" "$shots/craft-editor.png"
keys alt+d

click "$main" "${OTHER_X:-43}" "${OTHER_Y:-461}"
menu=$(window '^Korvane v[0-9.]*$' "$totals")
sleep 0.5
import -frame -window "$menu" "$shots/other-features.png"
keys alt+c
custom=$(window '^Korvane v[0-9.]*$' "$totals")
sleep 0.5
keys alt+o
type_answer "Observation lounge with a view of the stars"
type_answer "2t"
type_answer "2"
type_answer "0.1"
type_answer "250000"
choose
keys alt+i Home
import -frame -window "$custom" "$shots/custom-features.png"
keys alt+d
keys alt+a
anti_hijack=$(window '^Korvane v[0-9.]*$' "$totals")
sleep 0.5
keys alt+e                                   # Defaults
keys alt+a Home Down
import -frame -window "$anti_hijack" "$shots/anti-hijack.png"
keys alt+d
keys alt+d

click "$main" "${CREW_X:-43}" "${CREW_Y:-379}"
crew=$(window '^Korvane v[0-9.]*$' "$totals")
sleep 1
import -frame -window "$crew" "$shots/crew-window.png"
keys alt+d

# --- The hull, power, drives, electronics and control editors on a warship
# with sensors and communicators fitted, each opened by its button in "Design Options" and
# closed again with Escape.
stop_korvane
cp "$shots/vigilant.k2d" "$home/fleet/"
"$build/src/korvane" "$home/fleet/vigilant.k2d" &
korvane_pid=$!
main=$(window '^Korvane v[0-9.]* - vigilant.k2d$')
totals=$(window '^Korvane v[0-9.]*$')
sleep 1

open_editor() {  # clicks the section button at height $1 and prints the editor's window id
    click "$main" "${SECTION_X:-42}" "$1"
    local editor
    editor=$(window '^Korvane v[0-9.]*$' "$totals")
    xdotool windowactivate --sync "$editor"
    sleep 0.5
    echo "$editor"
}

shoot_editor() {  # the editor at button height $1, saved as $2, then cancelled
    local editor
    editor=$(open_editor "$1")
    import -frame -window "$editor" "$shots/$2"
    xdotool key Escape
    sleep 0.5
}

shoot_editor "${HULL_Y:-133}" hull-editor.png
shoot_editor "${POWER_Y:-174}" power-editor.png
shoot_editor "${DRIVES_Y:-215}" drives-editor.png
shoot_editor "${CONTROL_Y:-338}" control-editor.png

shoot_led_on() {  # from the editor $1, each "key file" of $2...: Alt+key, Space, shot, Alt+D back
    local from=$1 editor key name
    for list in "${@:2}"; do
        read -r key name <<<"$list"
        xdotool key "alt+$key" space
        editor=$(window '^Korvane v[0-9.]*$' "$totals")
        xdotool windowactivate --sync "$editor"
        sleep 0.5
        import -frame -window "$editor" "$shots/$name"
        xdotool key alt+d
        sleep 0.5
        xdotool windowactivate --sync "$from"
    done
}

# Electronics, then the sensors and communicators editors it leads on to
# (Alt+S and Alt+M reach their buttons, "Done" is Alt+D).
electronics=$(open_editor "${ELECTRONICS_Y:-256}")
import -frame -window "$electronics" "$shots/electronics-editor.png"
shoot_led_on "$electronics" "s sensors-editor.png" "m communicators-editor.png"
# The sensors editor once more, its "Available:" table narrowed by the filter
# box (Ctrl+F) to the rows holding "ems", Down on to the first of them.
xdotool key alt+s space
sensors=$(window '^Korvane v[0-9.]*$' "$totals")
xdotool windowactivate --sync "$sensors"
sleep 0.5
xdotool key ctrl+f
xdotool type --delay 50 "ems"
xdotool key Down
sleep 0.5
import -frame -window "$sensors" "$shots/filtered-list-editor.png"
xdotool key alt+d
sleep 0.5
xdotool windowactivate --sync "$electronics"
xdotool key Escape
sleep 0.5

# Weapons & screens, then the turrets, bay weapons and screens editors it
# leads on to (Alt+U, Alt+B and Alt+N); the weapon systems editor is shot
# last, after "Done" in the list editors brought its factors up to date.
weapons=$(open_editor "${WEAPONS_Y:-297}")
shoot_led_on "$weapons" "u turrets-editor.png" "b bays-editor.png" "n screens-editor.png"
import -frame -window "$weapons" "$shots/weapons-editor.png"
xdotool key Escape
sleep 0.5

# --- The totals window with its breakdown open (Alt+B there), and the compare
# window: the escort beside a refit that trades two of its laser turrets for
# missile racks, opened by "Compare with..." (COMPARE_X/_Y move its button).
printf -v name '%-20s' "Vigilant refit"
sed -e "3s/.*/$name\r/" -e '1868s/.*/ 2 \r/' -e '1928s/.*/ 4 \r/' \
    "$shots/vigilant.k2d" >"$home/fleet/vigilant-refit.k2d"
xdotool windowactivate --sync "$totals"
sleep 0.5
xdotool key alt+b
sleep 1
import -frame -window "$totals" "$shots/totals-breakdown.png"
click "$main" "${COMPARE_X:-260}" "${COMPARE_Y:-502}"
window '^Compare with\.\.\.$' >/dev/null
sleep 0.5
xdotool type "$home/fleet/vigilant-refit.k2d"
xdotool key Return
compare=$(window '^Compare with vigilant-refit\.k2d$')
sleep 1
import -frame -window "$compare" "$shots/compare-window.png"
