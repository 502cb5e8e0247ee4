#!/usr/bin/env bash
# Usage: bash scripts/check-release.sh [JUNIT-FILE]
# Checks the archives that scripts/release.sh made in dist/ (run it first): what each holds
# (scripts/check_release.py), that making them again gives the same bytes, and that the zip's
# jorvo-maker.exe, alone in an empty folder, packs the picture demo under Wine into the zip's own demo
# program, which then opens in the player. Prints one line per check and `N passed, N failed`; writes the
# results as JUnit XML to JUNIT-FILE when given (the test command sums them with the other suites).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
junit=${1:-}
version=$(sed -n 's/^project(Jorvo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
commit_time=$(git log -1 --format=%ct)
zip=dist/jorvo-$version-windows.zip
tarball=dist/jorvo-$version-linux-x86_64.tar.gz
results=()   # NAME|passed, NAME|failed|WHY, NAME|skipped|WHY

record() {   # record NAME STATUS [WHY]
    results+=("$1|$2|${3:-}")
    echo "${2}: $1${3:+: $3}"
}
check() {   # check NAME COMMAND...: passes when the command succeeds; its output says why not
    local name=$1 out; shift
    if out=$("$@" 2>&1); then record "$name" passed; else record "$name" failed "$(printf '%s' "$out" | tail -n 8)"; fi
}

# Pieces that only some checkouts have: the Studio, and the templates the tools carry and install.
studio_flag=
ninja -C build/win32 -t query jorvo-studio >/dev/null 2>&1 && studio_flag=--studio
carried=0
[ -f cmake/PlayerTemplates.cmake ] && carried=1

check windows_zip_contents python3 scripts/check_release.py windows "$zip" "$version" "$commit_time" $studio_flag
if [ $carried = 1 ]; then
    check linux_tarball_contents python3 scripts/check_release.py linux "$tarball" "$version" "$commit_time"
else
    record linux_tarball_contents skipped "this checkout installs no tool and no templates"
fi

same_archives() {
    local before after
    before=$(sha256sum "$zip" "$tarball") || return 1
    bash scripts/release.sh >/dev/null || { echo "release.sh failed the second time"; return 1; }
    after=$(sha256sum "$zip" "$tarball")
    [ "$before" = "$after" ] || { printf 'made again, the archives differ:\n%s\n%s\n' "$before" "$after"; return 1; }
}
check archives_made_again_are_identical same_archives

# Under Wine: the maker alone packs the picture demo (one process), whose program opens (one more).
zip_maker_packs_a_demo() {
    local work program
    work=$(mktemp -d)
    mkdir "$work/tool" "$work/quiz"
    (cd "$work" && unzip -q -j "$root/$zip" "jorvo-$version-windows/jorvo-maker.exe" -d tool &&
        unzip -q -j "$root/$zip" "jorvo-$version-windows/demos/jorvo-pictures.exe" -d . &&
        unzip -q -j "$root/$zip" "jorvo-$version-windows/exemples/pictures/*" -d quiz) || return 1
    program=$work/quiz/drapeaux.exe
    (cd "$work/tool" && "$JORVO_WINE32" ./jorvo-maker.exe pack ../quiz/pictures.quiz -o ../quiz/drapeaux.exe) </dev/null ||
        { rm -rf "$work"; return 1; }
    local status=0
    if ! cmp "$program" "$work/jorvo-pictures.exe"; then
        echo "the program packed differs from the zip's demos/jorvo-pictures.exe"
        status=1
    else
        (cd "$work/quiz" && exec "$JORVO_WINE32" explorer "/desktop=JorvoRelease,1024x700" "$program" >/dev/null 2>&1) &
        # The player is left open: stopping the wineserver afterwards closes it.
        jorvo_wait_for_drawn_window $! JorvoRelease 60 "$root/build/release-check.png" || status=1
    fi
    rm -rf "$work"
    return $status
}
if [ $carried = 0 ]; then
    record zip_maker_alone_packs_a_demo skipped "jorvo-maker.exe carries no player templates in this checkout"
else
    source scripts/wine-env.sh
    source scripts/wine-window.sh
    jorvo_probe_i686
    if [ "$JORVO_I686" = 1 ]; then
        check zip_maker_alone_packs_a_demo zip_maker_packs_a_demo
    else
        record zip_maker_alone_packs_a_demo skipped "$JORVO_I686_WHY"
    fi
    jorvo_wine_stop
fi

passed=0; failed=0
for r in "${results[@]}"; do
    case "$r" in *"|passed|"*) passed=$((passed + 1)) ;; *"|failed|"*) failed=$((failed + 1)) ;; esac
done
echo "$passed passed, $failed failed"
if [ -n "$junit" ]; then
    printf '%s\n' "${results[@]}" | python3 scripts/check_release.py junit "$junit"
fi
[ $failed = 0 ]
