# Sourced after wine-env.sh by the scripts that show a Windows program in a Wine virtual desktop and take
# its picture. Needs xwininfo and ImageMagick.

# jorvo_desktop_window NAME: the X id of the virtual desktop that `explorer /desktop=NAME,...` opened.
jorvo_desktop_window() {
    xwininfo -root -children 2>/dev/null | awk -v name="\"$1 - Wine desktop\":" 'index($0, name) {print $1; exit}'
}

# jorvo_program_window DESKTOP_ID: the X id of the largest top-level window that a program other than
# Wine's explorer shows in that virtual desktop, or nothing. The desktop's own X window bears the desktop's
# name, and explorer and every program own 1x1 helper windows: none of them is the program's window.
jorvo_program_window() {
    # A child's line ends with its geometry and position: 0x... "Title": ("prog.exe" "prog.exe")  WxH+X+Y  +X+Y
    xwininfo -id "$1" -children 2>/dev/null | grep -F '("' | grep -vF '("explorer.exe"' |
        awk '{ split($(NF-1), g, /[x+]/); if (g[1] * g[2] > best) { best = g[1] * g[2]; id = $1 } }
             END { if (best > 1) print id }'
}

# jorvo_colours FILE [SHAVE]: how many distinct colours a picture holds (inside a border of SHAVE pixels,
# as WIDTHxHEIGHT, when given).
jorvo_colours() {
    convert "$1" ${2:+-shave "$2"} -format %k info: 2>/dev/null || echo 0
}

# jorvo_same_picture A B: whether two pictures of one size differ in a few pixels at most (an edit
# field's caret blinks).
jorvo_same_picture() {
    local differ
    [ -f "$2" ] && [ "$(identify -format %wx%h "$1")" = "$(identify -format %wx%h "$2")" ] || return 1
    differ=$(compare -metric AE "$1" "$2" null: 2>&1 >/dev/null) || [ $? = 1 ] || return 1
    [ "${differ%%.*}" -le 64 ] 2>/dev/null
}

# jorvo_wait_for_drawn_window PID DESKTOP_NAME SECONDS SCREENSHOT: waits until the program started (by the
# process PID, `explorer /desktop=DESKTOP_NAME,... PROGRAM`) shows its own window in that desktop and has
# drawn it: the window inside its frame holds more than one colour, and its picture stays the same (but for a
# caret) for a second. Then saves a picture of the whole desktop to SCREENSHOT. Fails, saying why, when that takes
# longer than SECONDS, when the process ends first, or when the picture is one colour.
jorvo_wait_for_drawn_window() {
    local pid=$1 name=$2 limit=$3 shot=$4 desktop= window= work same=0 drawn=0
    local deadline=$((SECONDS + limit))
    work=$(mktemp -d)
    while [ $SECONDS -lt $deadline ] && kill -0 "$pid" 2>/dev/null; do
        [ -n "$desktop" ] || desktop=$(jorvo_desktop_window "$name")
        [ -z "$desktop" ] || [ -n "$window" ] || window=$(jorvo_program_window "$desktop")
        if [ -z "$window" ]; then
            :
        elif ! import -window "$window" "ppm:$work/now.ppm" 2>/dev/null; then
            window=   # closed (a window shown only while starting): look again
        else
            if [ "$(jorvo_colours "$work/now.ppm" 8x30)" -gt 1 ] && jorvo_same_picture "$work/now.ppm" "$work/before.ppm"; then
                same=$((same + 1))
            else
                same=0
            fi
            mv "$work/now.ppm" "$work/before.ppm"
            [ $same -lt 2 ] || { drawn=1; break; }
        fi
        sleep 0.5
    done
    rm -rf "$work"
    if [ $drawn = 0 ]; then
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before it showed a window" >&2
        elif [ -z "$window" ]; then
            echo "no window of the program showed within $limit s" >&2
        else
            echo "the program's window was not drawn within $limit s" >&2
        fi
        return 1
    fi
    import -window "$desktop" "$shot"
    if [ "$(jorvo_colours "$shot")" -le 1 ]; then
        echo "the screenshot $shot is one colour: nothing was drawn" >&2
        return 1
    fi
}
