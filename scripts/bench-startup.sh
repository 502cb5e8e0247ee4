#!/usr/bin/env bash
# Start-up of a packed 96-question picture quiz under Wine (x86_64 build, and i686 where this host runs
# it), beside an empty Win32 window (the floor) and the pictures' decoding alone, measured in the same
# run; then the same quiz restarted with a 192-line answers file.
# Usage: bash scripts/bench-startup.sh [ROUNDS]   (default 9 rounds of one run of each)
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

source scripts/wine-env.sh
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
    echo "== $arch ($runs rounds; milliseconds)"
    # Rounds of one run of each measurement, so that a change in the machine's load (it is shared)
    # falls on all of them alike rather than on whichever was running.
    w_exe=$(winepath -w "$exe"); w_dir=$(winepath -w "$run_dir"); w_answers=$(winepath -w "$answers")
    # Each program runs twice a round and the second run counts: a driver's first start of a program
    # pays one-time costs (some 50 ms more for the empty window).
    one() { "$@" | tail -n 2 | head -n 1; }
    values=()
    for round in $(seq 1 "$runs"); do
        values+=("$(one "$loader" "$driver" "$(winepath -w "$bin/bench/startup/empty_window.exe")" 2 "$w_dir")"
                 "$(one "$loader" "$driver" "$(winepath -w "$bin/bench/startup/controls_window.exe")" 2 "$w_dir")"
                 "$(one "$loader" "$bin/bench/startup/picture_decode_bench.exe" "$w_exe" 2 questions)"
                 "$(one "$loader" "$bin/bench/startup/picture_decode_bench.exe" "$w_exe" 2 rewards)"
                 "$(one "$loader" "$driver" "$w_exe" 2 "$w_dir")"
                 "$(one "$loader" "$driver" "$w_exe" 2 "$w_dir" "$w_answers")")
    done
    python3 - "${values[@]}" <<'PY'
import statistics, sys
names = ["empty window (floor)", "window with the panel's 640 controls", "question pictures decoded alone",
         "reward pictures decoded alone", "quiz, no answers file", "quiz, 192 answers restored"]
values = [float(v) for v in sys.argv[1:]]
series = [values[k::len(names)] for k in range(len(names))]
for name, times in zip(names, series):
    print(f"{name:38} median {statistics.median(times):.1f} min {min(times):.1f} max {max(times):.1f}")
floor, controls, questions, rewards, fresh, restored = map(statistics.median, series)
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
