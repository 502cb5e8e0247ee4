#!/usr/bin/env bash
# Usage: scripts/run.sh [text|pictures|audio|video]
# Builds one demo quiz program (packed by jorvo-maker into the player template: pictures by default, text
# when there is no picture demo) and runs it under Wine. With no display it runs under Xvfb, saves a
# screenshot to build/screenshot.png and closes the player.
# The shipped i686 player runs where this host can execute 32-bit programs; elsewhere the x86_64 player
# (same quiz, same features) runs instead. The script says which.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
had_display=${DISPLAY:-}

kind=${1:-pictures}
case "$kind" in
    text|pictures|audio|video) ;;
    *) echo "usage: scripts/run.sh [text|pictures|audio|video]" >&2; exit 2 ;;
esac
if [ ! -f "examples/$kind/$kind.quiz" ]; then
    [ -z "${1:-}" ] || { echo "no $kind demo: examples/$kind/$kind.quiz is missing" >&2; exit 1; }
    kind=text
fi

bash scripts/install-deps.sh
mkdir -p build
source scripts/wine-env.sh "$root/build/wineprefix"
jorvo_probe_i686
if [ "$JORVO_I686" = 1 ]; then
    preset=win32; loader=$JORVO_WINE32
    echo "running the i686 player (the shipped build)"
else
    preset=win64; loader=$JORVO_WINE64
    echo "running the x86_64 player: $JORVO_I686_WHY"
fi
cmake --preset "$preset" >"build/$preset.configure.log" 2>&1 || { cat "build/$preset.configure.log"; exit 1; }
cmake --build --preset "$preset" --target "jorvo_${kind}_demo"
player="$root/build/$preset/examples/jorvo-$kind.exe"
echo "running the $kind demo: $player"

mkdir -p build/run && cd build/run   # the player keeps its answers file in its current directory
if [ -n "$had_display" ] && [ -z "${JORVO_XVFB_PID:-}" ]; then
    "$loader" "$player"
else
    # A Wine virtual desktop draws the window frame and title, which a bare X server without a window
    # manager would not.
    "$loader" explorer "/desktop=Jorvo,1280x1024" "$player" &
    for _ in $(seq 1 60); do
        xwininfo -root -tree 2>/dev/null | grep -q 'Jorvo' && break
        sleep 0.5
    done
    sleep 2
    import -window root "$root/build/screenshot.png"
    echo "screenshot: $root/build/screenshot.png ($preset player)"
    jorvo_wine_stop
fi
