#!/bin/sh
# Builds the native preset and runs the PNG decoder benchmark: our decoder against libpng, libspng and
# stb_image on generated photo-like and flat images. Prints, per image, each decoder's median CPU time
# and the peers' times divided by ours (above 1: we are faster). Palette images add libpng expanding
# them to 8-bit RGBA, as most programs read them (rgba/jorvo).
#   scripts/bench-png.sh                      all images, 5 repetitions
#   REPETITIONS=9 scripts/bench-png.sh --benchmark_filter=photo_1920
#   BUILD_DIR=build/mine scripts/bench-png.sh (build elsewhere than build/native)
set -e
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build/native}
cmake --preset native -B "$build_dir" >/dev/null
cmake --build "$build_dir" -j2 --target png_bench
results=$(mktemp)
trap 'rm -f "$results"' EXIT
"$build_dir/bench/png/png_bench" --benchmark_repetitions="${REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true --benchmark_out="$results" --benchmark_out_format=json "$@" >/dev/null
python3 - "$results" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
times = {}
for run in runs:
    if run.get("aggregate_name") == "median":
        image, decoder = run["run_name"].rsplit("/", 1)
        times.setdefault(image, {})[decoder] = run["cpu_time"]
peers = ["libpng", "spng", "stb", "libpng_rgba"]
print("%-28s %9s %9s %9s %9s %11s   %s" % ("image (median CPU ms)", "jorvo", *peers,
      "libpng/jorvo spng/jorvo stb/jorvo rgba/jorvo"))
for image, t in times.items():
    ours = t.get("jorvo")
    cells = ["%9.2f" % t[d] if d in t else "%9s" % "-" for d in ["jorvo"] + peers[:3]]
    cells.append("%11.2f" % t["libpng_rgba"] if "libpng_rgba" in t else "%11s" % "-")
    ratios = ["%11.2f" % (t[p] / ours) if p in t and ours else "%11s" % "-" for p in peers]
    print("%-28s %s   %s" % (image, " ".join(cells), " ".join(ratios)))
PY
