#!/bin/bash
# Builds the fuzz preset and runs every libFuzzer target for MINUTES CPU minutes each (default 30), one
# after another, one process at a time, niced. On a busy machine that takes longer on the clock: a run
# whose process got less CPU than asked is followed by another for the rest. Each target's corpus lives in build/fuzz-corpus/<name>,
# started from its kept inputs (fuzz/regressions/<name>) and, where fuzz/<name>_seeds.py exists, from
# the seeds it writes. A crash does not end the target's time either: the next run goes on from the
# same corpus.
# Inputs that crashed are copied into fuzz/regressions/<name>/ for a human to look at and commit.
# Prints a table: target, minutes run, CPU minutes, executions, new crashes, corpus size.
#   scripts/fuzz-long.sh                  every target, 30 minutes each
#   scripts/fuzz-long.sh 8 pe_resources   one target, 8 minutes
set -e
cd "$(dirname "$0")/.."
minutes=${1:-30}
shift || true
build_dir=build/fuzz
nice -n 15 cmake --preset fuzz >/dev/null
nice -n 15 cmake --build --preset fuzz -j2 >/dev/null

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for source in fuzz/*_fuzzer.cpp; do
        name=$(basename "$source" _fuzzer.cpp)
        targets+=("$name")
    done
fi

table=$(mktemp)
trap 'rm -f "$table"' EXIT
budget=$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 }')
for name in "${targets[@]}"; do
    fuzzer=$build_dir/fuzz/${name}_fuzzer
    [ -x "$fuzzer" ] || { echo "no fuzzer $fuzzer" >&2; exit 1; }
    corpus=build/fuzz-corpus/$name
    artifacts=build/fuzz-artifacts/$name
    kept=fuzz/regressions/$name
    mkdir -p "$corpus" "$artifacts" "$kept"
    if [ -f "fuzz/${name}_seeds.py" ]; then
        python3 "fuzz/${name}_seeds.py" "$corpus"
    fi
    executions=0 crashes=0 cpu=0 restarts=0 # cpu in seconds
    start=$(date +%s)
    while :; do
        # Past the last 10 seconds a new process would spend its time loading the corpus.
        left=$(awk -v b="$budget" -v c="$cpu" 'BEGIN { printf "%d", b - c }')
        [ "$left" -ge 10 ] && [ "$restarts" -le 40 ] || break
        log=$artifacts/run-$restarts.log
        before=$(ls "$artifacts" | grep -cE '^(crash|oom|timeout|leak)-' || true)
        /usr/bin/time -f '%U %S' -o "$artifacts/time" nice -n 15 "$fuzzer" -max_total_time="$left" \
            -max_len=65536 -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$artifacts/" "$corpus" "$kept" >"$log" 2>&1 || true
        runs=$(grep -oE '^stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || true)
        [ -n "$runs" ] || runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#' || true)
        executions=$((executions + ${runs:-0}))
        cpu=$(awk -v c="$cpu" '{ printf "%.1f", c + $1 + $2 }' "$artifacts/time")
        after=$(ls "$artifacts" | grep -cE '^(crash|oom|timeout|leak)-' || true)
        crashes=$((crashes + after - before))
        restarts=$((restarts + 1))
    done
    for found in "$artifacts"/crash-* "$artifacts"/oom-* "$artifacts"/timeout-* "$artifacts"/leak-*; do
        if [ -f "$found" ] && [ ! -e "$kept/$(basename "$found")" ]; then cp "$found" "$kept/"; fi
    done
    wall=$(awk -v s="$(($(date +%s) - start))" 'BEGIN { printf "%.1f", s / 60 }')
    printf '%s\t%s\t%.1f\t%s\t%s\t%s\n' "$name" "$wall" "$(awk -v c="$cpu" 'BEGIN { print c / 60 }')" \
        "$executions" "$crashes" "$(ls "$corpus" | wc -l)" >>"$table"
    echo "$name: $executions executions, $crashes new crashes" >&2
done

printf '\n%-14s %8s %8s %12s %8s %8s\n' target minutes cpu-min executions crashes corpus
while IFS=$'\t' read -r name wall cpu executions crashes size; do
    printf '%-14s %8s %8s %12s %8s %8s\n' "$name" "$wall" "$cpu" "$executions" "$crashes" "$size"
done <"$table"
