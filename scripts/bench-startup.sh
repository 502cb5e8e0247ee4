#!/usr/bin/env bash
# Start-up of a packed 96-question picture quiz under Wine (x86_64 build, and i686 where this host runs
# it), beside an empty Win32 window (the floor) and the pictures' decoding alone, measured in the same
# run; then the same quiz restarted with a 192-line answers file.
# Usage: bash scripts/bench-startup.sh [RUNS]   (default 9 runs each)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-9}
work=$root/build/bench-startup
mkdir -p "$work"

bash scripts/install-deps.sh >/dev/null
cmake --preset native >/dev/null && cmake --build --preset native --target jorvo-maker >/dev/null
maker=$root/build/native/tools/jorvo-maker

# The quiz: 96 questions of two answers, 640 x 480 pictures (every eighth a PNG), a reward picture for
# every question, made once and kept.
quiz=$work/quiz
if [ ! -f "$quiz/startup.quiz" ]; then
    mkdir -p "$quiz"
    {
        echo "title: Mesure du démarrage"
        echo "kind: pictures"
        echo "answers: 2"
        echo "reveal-mode: 1"
        for n in $(seq 1 96); do
            ext=jpg; [ $((n % 8)) = 0 ] && ext=png
            convert -size 640x480 "plasma:fractal" -seed "$n" -quality 85 "$quiz/p$n.$ext" 2>/dev/null ||
                convert -size 640x480 "gradient:rgb($n,40,90)-rgb(200,$n,30)" "$quiz/p$n.$ext"
            [ -f "$quiz/reward.jpg" ] || convert -size 300x200 "gradient:gold-orange" "$quiz/reward.jpg"
            echo "question: Question $n"
            echo "  answer: reponse numero $n"
            echo "  answer2: seconde $n"
            echo "  picture: p$n.$ext"
            echo "  reward: reward.jpg"
        done
        for n in $(seq 1 96); do echo "score: Niveau $n"; done
    } >"$quiz/startup.quiz.tmp"
    mv "$quiz/startup.quiz.tmp" "$quiz/startup.quiz"
fi
answers=$work/answers.txt
for n in $(seq 1 96); do printf 'reponse numero %d\r\nseconde %d\r\n' "$n" "$n"; done >"$answers"

source scripts/wine-env.sh "$root/build/wineprefix"
jorvo_probe_i686
presets=(win64)
[ "$JORVO_I686" = 1 ] && presets+=(win32)
for preset in "${presets[@]}"; do
    arch=x86_64; loader=$JORVO_WINE64
    [ "$preset" = win32 ] && { arch=i686; loader=$JORVO_WINE32; }
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target jorvo_template startup_driver empty_window controls_window \
        picture_decode_bench >/dev/null
    bin=$root/build/$preset
    exe=$work/startup-$arch.exe
    "$maker" pack "$quiz/startup.quiz" -o "$exe" --arch "$arch" --template "$bin/shell/jorvo-template-$arch.exe"
    run_dir=$work/run-$arch; mkdir -p "$run_dir"
    driver=$bin/bench/startup/startup_driver.exe
    echo "== $arch ($runs runs each; milliseconds)"
    floor=$("$loader" "$driver" "$(winepath -w "$bin/bench/startup/empty_window.exe")" "$runs" "$(winepath -w "$run_dir")" | tail -n 1)
    controls=$("$loader" "$driver" "$(winepath -w "$bin/bench/startup/controls_window.exe")" "$runs" "$(winepath -w "$run_dir")" | tail -n 1)
    questions=$("$loader" "$bin/bench/startup/picture_decode_bench.exe" "$(winepath -w "$exe")" "$runs" questions | tail -n 1)
    rewards=$("$loader" "$bin/bench/startup/picture_decode_bench.exe" "$(winepath -w "$exe")" "$runs" rewards | tail -n 1)
    fresh=$("$loader" "$driver" "$(winepath -w "$exe")" "$runs" "$(winepath -w "$run_dir")" | tail -n 1)
    restored=$("$loader" "$driver" "$(winepath -w "$exe")" "$runs" "$(winepath -w "$run_dir")" "$(winepath -w "$answers")" | tail -n 1)
    printf '%-38s %s\n' "empty window (floor)" "$floor" "window with the panel's 640 controls" "$controls" \
        "question pictures decoded alone" "$questions" \
        "reward pictures decoded alone" "$rewards" "quiz, no answers file" "$fresh" \
        "quiz, 192 answers restored" "$restored"
    python3 - "$floor" "$controls" "$questions" "$rewards" "$fresh" "$restored" <<'PY'
import sys
median = lambda line: float(line.split()[1])
floor, controls, questions, rewards, fresh, restored = map(median, sys.argv[1:])
# A fresh start shows the 96 question pictures; a restored one, every question found, the 96 reward
# pictures instead: each is set against the pictures it has to show, over the empty window (the goal's
# floor) and over the window holding the panel's controls (what Wine charges for the controls alone).
for name, value, own in (("fresh", fresh, questions), ("restored", restored, rewards)):
    base = floor + own
    print(f"{name}: {value:.1f} ms = {value / base:.2f} x (floor + its pictures), goal <= {base * 1.2:.1f} ms;"
          f" {value / (controls + own):.2f} x (controls + its pictures)")
PY
done
jorvo_wine_stop
