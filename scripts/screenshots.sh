#!/usr/bin/env bash
# Screenshots of the four packed demo quizzes after a few answers (one of each kind of verdict colour),
# taken under a Wine virtual desktop: build/screenshots/<kind>.png; and Jorvo Studio with the picture demo
# open: build/screenshots/studio.png. The answers are put in each program's
# answers file first, so the player restores and judges them as it starts.
# Usage: bash scripts/screenshots.sh [PRESET]   (default win64: its player runs on every host)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
preset=${1:-win64}
out=$root/build/screenshots
mkdir -p "$out"
[ -f "$root/build/$preset/examples/jorvo-text.exe" ] ||
    { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" >/dev/null; }
source scripts/wine-env.sh
source scripts/wine-window.sh
failed=0
loader=$JORVO_WINE64
[ "$preset" = win32 ] && loader=$JORVO_WINE32

for kind in text pictures audio video; do
    program=$root/build/$preset/examples/jorvo-$kind.exe
    [ -f "$program" ] || continue
    run=$out/$kind; rm -rf "$run"; mkdir -p "$run"
    # Per question in order: the accepted answer, two letters exchanged, one letter short, a wrong word.
    python3 - "$root/examples/$kind/$kind.quiz" "$run/jorvo-$kind.txt" <<'PY'
import re, sys
source, target = sys.argv[1], sys.argv[2]
answers, two = [], False
for line in open(source, encoding="utf-8"):
    two = two or re.match(r"answers:\s*2", line) is not None
    m = re.match(r"\s*(answer2?):\s*(.*\S)", line)
    if m: answers.append((m.group(1), m.group(2)))
def vary(text, n):
    if n % 4 == 0: return text
    if n % 4 == 1 and len(text) > 3: return text[0] + text[2] + text[1] + text[3:]
    if n % 4 == 2: return text[:-1]
    return "Zorglub"
lines, question = [], -1
for key, text in answers:
    if key == "answer": question += 1
    if key == "answer2" and not two: continue
    lines.append(vary(text, question) if question < 6 else "")
open(target, "wb").write("".join(l + "\r\n" for l in lines).encode("cp1252"))
PY
    (cd "$run" && exec "$loader" explorer "/desktop=Jorvo$kind,1024x700" "$program" >/dev/null 2>&1) &
    if jorvo_wait_for_drawn_window $! "Jorvo$kind" 60 "$out/$kind.png"; then
        echo "screenshot: $out/$kind.png"
    else
        rm -f "$out/$kind.png"
        failed=$((failed + 1))
    fi
    "$loader" taskkill /f /im "jorvo-$kind.exe" >/dev/null 2>&1 || true
    sleep 1
done
# Jorvo Studio with the picture demo open (its window larger than the player's, so a larger desktop).
studio=$(find "$root/build/$preset/tools/studio" -maxdepth 1 -name jorvo-studio.exe 2>/dev/null | head -n 1)
if [ -n "$studio" ]; then
    (cd "$out" && exec "$loader" explorer "/desktop=JorvoStudio,1040x740" "$studio" \
        "$root/examples/pictures/pictures.quiz" >/dev/null 2>&1) &
    if jorvo_wait_for_drawn_window $! JorvoStudio 60 "$out/studio.png"; then
        echo "screenshot: $out/studio.png"
    else
        rm -f "$out/studio.png"
        failed=$((failed + 1))
    fi
    "$loader" taskkill /f /im jorvo-studio.exe >/dev/null 2>&1 || true
fi
jorvo_wine_stop
[ $failed = 0 ] || { echo "$failed screenshots failed" >&2; exit 1; }
