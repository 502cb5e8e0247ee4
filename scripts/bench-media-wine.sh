#!/usr/bin/env bash
# The time from a play press to the medium playing, in the real media player under Wine: the x86_64
# build on every host, the shipped i686 build where this host runs 32-bit programs (median of 9, ms).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh
mkdir -p build/bench-media
source scripts/wine-env.sh "$root/build/wineprefix"
jorvo_probe_i686
presets=(win64)
if [ "$JORVO_I686" = 1 ]; then presets+=(win32); else echo "i686 build not timed: $JORVO_I686_WHY"; fi
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target media_play_bench >/dev/null
    loader=$JORVO_WINE64; [ "$preset" = win32 ] && loader=$JORVO_WINE32
    echo "== $preset"
    (cd build/bench-media && "$loader" "$root/build/$preset/bench/media_play/media_play_bench.exe" 2>/dev/null | cat)
done
jorvo_wine_stop
