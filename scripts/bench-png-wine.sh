#!/usr/bin/env bash
# The PNG decoder in the Windows builds, timed under Wine beside the native build, in one run: the same
# pictures (made by the native benchmark) decoded by the x86_64 build (every host) and the shipped i686
# build (where this host runs 32-bit programs), each with its vector loops and with its portable loops,
# and natively by our decoder and libpng. Prints median milliseconds (CPU natively, wall clock under Wine,
# whose thread times are too coarse) and the ratios.
#   scripts/bench-png-wine.sh            5 repetitions
#   REPETITIONS=9 scripts/bench-png-wine.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
repetitions=${REPETITIONS:-5}
bash scripts/install-deps.sh
mkdir -p build
pictures=$root/build/bench-pictures
rm -rf "$pictures"; mkdir -p "$pictures"
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

cmake --preset native >/dev/null
cmake --build build/native --target png_bench >/dev/null
build/native/bench/png/png_bench --write-images="$pictures"
build/native/bench/png/png_bench --benchmark_filter='/(jorvo|libpng)$' --benchmark_repetitions="$repetitions" \
    --benchmark_report_aggregates_only=true --benchmark_out="$results/native.json" \
    --benchmark_out_format=json >/dev/null

source scripts/wine-env.sh
jorvo_probe_i686
presets=(win64)
if [ "$JORVO_I686" = 1 ]; then presets+=(win32); else echo "i686 build not timed: $JORVO_I686_WHY"; fi
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build "build/$preset" --target png_wine_bench >/dev/null
    loader=$JORVO_WINE64; [ "$preset" = win32 ] && loader=$JORVO_WINE32
    "$loader" "build/$preset/bench/png_wine/png_wine_bench.exe" "Z:$pictures" "$repetitions" >"$results/$preset.tsv"
done
jorvo_wine_stop

python3 - "$results" "${presets[@]}" <<'PY'
import json, os, sys
folder, presets = sys.argv[1], sys.argv[2:]
native = {}
for run in json.load(open(os.path.join(folder, "native.json")))["benchmarks"]:
    if run.get("aggregate_name") == "median":
        image, decoder = run["run_name"].rsplit("/", 1)
        native.setdefault(image, {})[decoder] = run["cpu_time"]
wine = {}
for preset in presets:
    for line in open(os.path.join(folder, preset + ".tsv")):
        name, vector, portable, _ = line.rstrip("\n").split("\t")
        wine.setdefault(name, {})[preset] = (float(vector), float(portable))
header = "%-28s %8s %8s" % ("image (median ms)", "native", "libpng")
for p in presets:
    header += " %8s %8s %9s %10s" % (p + " vec", "portable", "port/vec", "libpng/" + p)
print(header)
for image in sorted(wine):
    n = native.get(image, {})
    row = "%-28s %8.2f %8.2f" % (image, n.get("jorvo", float("nan")), n.get("libpng", float("nan")))
    for p in presets:
        vector, portable = wine[image].get(p, (float("nan"), float("nan")))
        row += " %8.2f %8.2f %9.2f %10.2f" % (vector, portable, portable / vector, n.get("libpng", float("nan")) / vector)
    print(row)
PY
