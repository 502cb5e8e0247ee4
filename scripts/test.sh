#!/usr/bin/env bash
# Builds everything (native, sanitizers, fuzz targets, Windows i686 and x86_64) and runs every test:
# native unit tests, the same under ASan+UBSan, the fuzzers' kept inputs, the Windows tests under Wine,
# and the release archives' checks.
# Ends with the line `N passed, N failed` summed over all suites.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh || { echo "installing the dependencies failed"; echo "0 passed, 1 failed"; exit 1; }

broken=0
pairs=()
skipped_like=()
build() {   # build PRESET
    echo "== building $1"
    if ! cmake --preset "$1" >"build/$1.configure.log" 2>&1; then
        tail -n 30 "build/$1.configure.log"
    elif ! cmake --build --preset "$1" >"build/$1.build.log" 2>&1; then
        grep -E 'error|FAILED' "build/$1.build.log" | head -n 30
    else
        return 0
    fi
    echo "!! the $1 build failed (build/$1.configure.log, build/$1.build.log)"
    broken=$((broken + 1))
    return 1
}
run_suite() {   # run_suite PRESET
    local dir="$root/build/$1"
    rm -rf "$dir/results"; mkdir -p "$dir/results"
    echo "== testing $1"
    ctest --preset "$1" --output-junit "$dir/ctest-junit.xml" 2>&1 | tail -n 15
    pairs+=("$dir/ctest-junit.xml" "$dir/results")
}

mkdir -p build
for preset in native native-asan fuzz; do
    build "$preset" && run_suite "$preset"
done
# Both Windows builds share one prefix and one wineserver. The x86_64 suites run on every host; the i686
# ones only where this host can execute 32-bit programs at all (tried once, below).
built64=0; built32=0
build win64 && built64=1
build win32 && built32=1
if [ $built64 = 1 ] || [ $built32 = 1 ]; then
    source scripts/wine-env.sh
    [ $built64 = 1 ] && run_suite win64
    if [ $built32 = 1 ]; then
        jorvo_probe_i686
        if [ "$JORVO_I686" = 1 ]; then
            run_suite win32
        else
            echo "== skipping the win32 (i686) suites: $JORVO_I686_WHY"
            skipped_like=(--skipped-like "$root/build/win64/ctest-junit.xml" "$root/build/win64/results")
        fi
    fi
    jorvo_wine_stop
    # The four demos after a few answers and Jorvo Studio, kept as build artefacts (build/screenshots/).
    [ $built64 = 1 ] && { bash scripts/screenshots.sh win64 | tail -n 5 || echo "!! the screenshots failed"; }
fi

# The release archives (dist/), made as scripts/release.sh makes them for Windows and Linux, then checked.
if [ $built32 = 1 ]; then
    echo "== release archives"
    if bash scripts/release.sh >build/release.log 2>&1; then
        rm -rf build/release-results; mkdir -p build/release-results
        bash scripts/check-release.sh "$root/build/release-junit.xml" | tail -n 6
        pairs+=("$root/build/release-junit.xml" "$root/build/release-results")
        grep -E '^dist/' build/release.log
    else
        tail -n 20 build/release.log
        echo "!! release.sh failed (build/release.log)"
        broken=$((broken + 1))
    fi
fi

# The players' sizes without a quiz (their budget is checked by the player_size_budget test of each build).
for arch in i686 x86_64; do
    preset=win64; [ $arch = i686 ] && preset=win32
    exe="$root/build/$preset/shell/jorvo-template-$arch.exe"
    [ -f "$exe" ] && echo "player size ($arch): $(stat -c %s "$exe") bytes"
done
echo "== summary"
python3 scripts/summarise.py "${pairs[@]}" "${skipped_like[@]}" --extra-failed "$broken"
