#!/usr/bin/env bash
# Installs a build into a DESTDIR under /usr and checks the installed tree: the
# files and nothing else, the desktop entry, the metainfo and the design file
# type as the desktop's tools read them, the man page against the tool's own
# --help, and the installed programs running from there.
# Usage: check_installed_tree.sh BUILD_DIR WORK_FOLDER APP_ID
set -euo pipefail

build=$1
work=$2
app_id=$3
root=$work/root
usr=$root/usr
mime_type=application/x-korvane-design

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log"

# --- The files, and nothing else.
module=$(cd "$root" && find . -name korvane-cli-pdf.so -printf '%P\n')
case $module in
    usr/lib/korvane/korvane-cli-pdf.so | usr/lib/*-linux-gnu*/korvane/korvane-cli-pdf.so) ;;
    *) fail "the PDF module is not in a private library folder: '$module'" ;;
esac
expected=(
    usr/bin/korvane
    usr/bin/korvane-cli
    "$module"
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/mime/packages/$app_id.xml"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    usr/share/man/man1/korvane.1.gz
    usr/share/man/man1/korvane-cli.1.gz
)
for size in 16 22 24 32 48 64 128 256; do
    png=usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    expected+=("$png")
    [[ $(file -b "$root/$png") == "PNG image data, $size x $size,"* ]] ||
        fail "$png is not a $size x $size PNG: $(file -b "$root/$png")"
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) ||
    fail "the installed files differ from the expected ones (< expected, > installed)"

# Nothing installed leads back into the build tree.
for binary in usr/bin/korvane usr/bin/korvane-cli "$module"; do
    if readelf -d "$root/$binary" | grep -E 'R(UN)?PATH'; then
        fail "$binary carries a library search path"
    fi
done

# --- Desktop entry, icon and metainfo.
desktop=$usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key GenericName)" = "Starship Design Calculator" ] || fail "GenericName is '$(key GenericName)'"
[ "$(key Exec)" = "korvane %f" ] || fail "Exec is '$(key Exec)'"
[ "$(key Icon)" = "$app_id" ] || fail "Icon is '$(key Icon)', not the installed icon $app_id"
[ "$(key MimeType)" = "$mime_type;" ] || fail "MimeType is '$(key MimeType)'"

metainfo=$usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -q '<image>https://.*/docs/screenshots/main-and-totals.png</image>' "$metainfo" ||
    fail "the metainfo shows no screenshot of the main window"

# --- The design file type, in a copy of the MIME database built as the desktop builds it.
cp -r "$usr/share/mime" "$work/mime"
update-mime-database "$work/mime" >"$work/mime.log" 2>&1 ||
    fail "update-mime-database rejects the design file type: $(cat "$work/mime.log")"
# Without the ":cs" flag the glob ignores case, so *.K2D files are design files too.
grep -qxF "50:$mime_type:*.k2d" "$work/mime/globs2" || fail "no glob *.k2d (any case) for $mime_type"
grep -qxF "$mime_type:$app_id" "$work/mime/icons" || fail "design files do not show the program's icon"

# --- The man pages: well-formed, found by man, and in step with --help.
for page in "$usr"/share/man/man1/*.1.gz; do
    warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
done
[ "$(MANPATH=$usr/share/man man -w korvane-cli)" = "$usr/share/man/man1/korvane-cli.1.gz" ] ||
    fail "man does not find korvane-cli"

cli=$usr/bin/korvane-cli
# The manual as text, one entry per line: no wrapping, no hyphenation.
manual=$(zcat "$usr/share/man/man1/korvane-cli.1.gz" | groff -man -rLL=500n -rHY=0 -Tascii -P-cbou)
section() { awk -v name="$1" '/^[A-Z]/ { inside = ($0 == name); next } inside' <<<"$manual"; }
commands_section=$(section COMMANDS)
options_section=$(section OPTIONS)

# The first words of the entries of one part ("Options:", "Subcommands:" …) of a --help text.
help_entries() {
    awk -v part="$2" '$0 == part { inside = 1; next } /^[^ ]|^$/ { inside = 0 }
                      inside && /^  [^ ]/ { print $1 }' <<<"$1"
}

# Every command the tool runs has its entry, which names each of its options
# and arguments; the tool's own options are under OPTIONS.
runnable=()
check_command() {
    local path=$1 help entry word
    # shellcheck disable=SC2086  # the command's words
    help=$("$cli" $path --help)
    local options=() arguments=()
    for word in $(help_entries "$help" Options: | tr ',' '\n'); do
        [[ $word == --* && $word != --help ]] && options+=("$word")
    done
    mapfile -t arguments < <(help_entries "$help" Positionals:)
    if ! grep -q '^Usage: .* SUBCOMMAND$' <<<"$help"; then
        runnable+=("$path")
        entry=$(grep -E "^ +korvane-cli${path:+ $path}( |$)" <<<"$commands_section" |
                grep -vE "^ +korvane-cli${path:+ $path} [a-z]" || true)
        if [ -z "$entry" ]; then
            fail "the manual has no entry for 'korvane-cli${path:+ $path}'"
        elif [ -z "$path" ]; then
            for word in "${options[@]}"; do
                grep -qE "^ +$word( |$)" <<<"$options_section" ||
                    fail "the manual's OPTIONS do not describe $word"
            done
        else
            local tokens
            tokens=" $(tr -d '[]' <<<"$entry" | xargs) "
            for word in "${options[@]}" "${arguments[@]}"; do
                [[ $tokens == *" $word "* ]] || fail "the manual's 'korvane-cli $path' lacks $word"
            done
        fi
    fi
    for word in $(help_entries "$help" Subcommands:); do
        check_command "${path:+$path }$word"
    done
}
check_command ""

# Every entry of the manual is a command the tool runs.
while read -r entry; do
    path=$(awk '{ for (i = 2; i <= NF && $i ~ /^[a-z][a-z-]*$/; ++i)
                      printf "%s%s", (i > 2 ? " " : ""), $i }' <<<"$entry")
    printf '%s\n' "${runnable[@]}" | grep -qxF -- "$path" ||
        fail "the manual describes 'korvane-cli $path', which the tool does not have"
done < <(grep -E '^ +korvane-cli( |$)' <<<"$commands_section")

# The desktop program prints its help without a display, and its manual
# describes every option the help lists.
gui_help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/korvane" --help) ||
    fail "korvane --help without a display"
gui_options=$(zcat "$usr/share/man/man1/korvane.1.gz" | groff -man -rLL=500n -rHY=0 -Tascii -P-cbou |
    awk '/^[A-Z]/ { inside = ($0 == "OPTIONS"); next } inside')
for word in $(help_entries "$gui_help" Options: | tr ',' '\n'); do
    grep -qE "^ +(-[a-z], )?$word( |,|$)" <<<"$gui_options" ||
        fail "korvane's manual does not describe $word"
done

# --- The installed programs run from there, in a home of their own.
home=$work/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state XDG_RUNTIME_DIR=$home/runtime
unset WINDIR
cd "$home"
"$cli" --version | grep -q '^Korvane v' || fail "the installed korvane-cli --version"
"$cli" new ship.k2d >/dev/null || fail "the installed korvane-cli new"
"$cli" show ship.k2d | grep -q . || fail "the installed korvane-cli show"
"$cli" print --pdf ship.pdf ship.k2d || fail "the installed korvane-cli does not find its PDF module"
[ "$(head -c 5 ship.pdf 2>/dev/null)" = "%PDF-" ] || fail "print --pdf wrote no PDF"
QT_QPA_PLATFORM=offscreen KORVANE_EXIT_WHEN_SHOWN=1 timeout 60 "$usr/bin/korvane" ship.k2d \
    >"$work/korvane.log" 2>&1 || fail "the installed korvane does not start: $(cat "$work/korvane.log")"

if [ "$failures" -gt 0 ]; then
    echo "$failures problems in the installed tree ($root)" >&2
    exit 1
fi
echo "The installed tree in $root is complete and works."
