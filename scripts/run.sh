#!/usr/bin/env bash
# Usage: scripts/run.sh [text|pictures|audio|video]   a demo quiz program (pictures by default)
#        scripts/run.sh path/to/quiz.quiz             your own quiz, packed into a temporary folder
#        scripts/run.sh studio                        Jorvo Studio
# Builds the program (a demo is packed by jorvo-maker into the player template: pictures by default, text
# when there is no picture demo) and runs it under Wine. With no display it runs under Xvfb, waits for the
# program's own window to be drawn, saves a screenshot to build/screenshot.png and closes the program; it
# fails when no window shows.
# The shipped i686 player runs where this host can execute 32-bit programs; elsewhere the x86_64 player
# (same quiz, same features) runs instead. The script says which.
set -euo pipefail
usage="usage: scripts/run.sh [text|pictures|audio|video | QUIZ.quiz | studio]"
what=${1:-pictures}
[ $# -le 1 ] || { echo "$usage" >&2; exit 2; }
quiz=
case "$what" in
    text|pictures|audio|video|studio) ;;
    *.quiz)
        [ -f "$what" ] || { echo "no quiz source $what" >&2; exit 1; }
        quiz=$(cd "$(dirname "$what")" && pwd)/$(basename "$what") ;;
    *) echo "$usage" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
root=$PWD
had_display=${DISPLAY:-}
if [ -z "$quiz" ] && [ "$what" != studio ] && [ ! -f "examples/$what/$what.quiz" ]; then
    [ -z "${1:-}" ] || { echo "no $what demo: examples/$what/$what.quiz is missing" >&2; exit 1; }
    what=text
fi

bash scripts/install-deps.sh
mkdir -p build
source scripts/wine-env.sh
source scripts/wine-window.sh
trap jorvo_wine_stop EXIT
jorvo_probe_i686
if [ "$JORVO_I686" = 1 ]; then
    preset=win32; arch=i686; loader=$JORVO_WINE32
    echo "running the i686 build (the shipped one)"
else
    preset=win64; arch=x86_64; loader=$JORVO_WINE64
    echo "running the x86_64 build: $JORVO_I686_WHY"
fi
cmake --preset "$preset" >"build/$preset.configure.log" 2>&1 || { cat "build/$preset.configure.log"; exit 1; }
rundir=$root/build/run   # the player keeps its answers file in its current directory
if [ -n "$quiz" ]; then
    cmake --build --preset "$preset" --target jorvo_template jorvo_host_tools
    rundir=$(mktemp -d "${TMPDIR:-/tmp}/jorvo-run.XXXXXX")
    name=$(basename "$quiz" .quiz)
    program=$rundir/$name.exe
    "$root/build/$preset/host-tools/tools/jorvo-maker" pack "$quiz" -o "$program" \
        --template "$root/build/$preset/shell/jorvo-template-$arch.exe" || { rm -rf "$rundir"; exit 1; }
    echo "running your quiz: $program"
    echo "answers file: $rundir/$name.txt"
elif [ "$what" = studio ]; then
    if ! ninja -C "build/$preset" -t query jorvo-studio >/dev/null 2>&1; then
        echo "no Jorvo Studio in this checkout: the $preset build has no target jorvo-studio" >&2
        exit 1
    fi
    cmake --build --preset "$preset" --target jorvo-studio
    program=$(find "build/$preset" -path "build/$preset/host-tools" -prune -o -name jorvo-studio.exe -print | head -n 1)
    [ -n "$program" ] || { echo "the jorvo-studio target built no jorvo-studio.exe" >&2; exit 1; }
    program=$root/$program
    echo "running Jorvo Studio: $program"
else
    cmake --build --preset "$preset" --target "jorvo_${what}_demo"
    program=$root/build/$preset/examples/jorvo-$what.exe
    echo "running the $what demo: $program"
fi

mkdir -p "$rundir" && cd "$rundir"
if [ -n "$had_display" ] && [ -z "${JORVO_XVFB_PID:-}" ]; then
    "$loader" "$program"
    exit 0
fi
# A Wine virtual desktop draws the window frame and title, which a bare X server without a window manager
# would not. Its own X window is named after it; the program's top-level windows are its children.
"$loader" explorer "/desktop=Jorvo,1280x1024" "$program" >/dev/null 2>&1 &
desktop_pid=$!
shot=$root/build/screenshot.png
if jorvo_wait_for_drawn_window "$desktop_pid" Jorvo 120 "$shot"; then
    echo "screenshot: $shot ($preset build)"
else
    rm -f "$shot"
    exit 1
fi
