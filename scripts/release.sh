#!/usr/bin/env bash
# Usage: bash scripts/release.sh
# Builds what a release ships and writes
#   dist/jorvo-VERSION-windows.zip        for Windows authors: jorvo-maker.exe (i686, carrying its player
#                                         templates), jorvo-studio.exe where it is built, the four demo
#                                         programs (demos/), their sources and media (exemples/), LISEZMOI.txt
#   dist/jorvo-VERSION-linux-x86_64.tar.gz  the native jorvo-maker and its templates, as `cmake --install`
#                                         lays them out (bin/, share/jorvo/)
# The same commit gives the same archives, byte for byte: the programs are linked without a time stamp
# and the archives take their dates from the commit (scripts/release_archive.py).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
version=$(sed -n 's/^project(Jorvo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no version in CMakeLists.txt's project()" >&2; exit 1; }
commit_time=$(git log -1 --format=%ct)
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
    echo "note: the checkout has uncommitted changes: the archives are not those of commit $(git rev-parse --short HEAD)"

bash scripts/install-deps.sh
mkdir -p build dist
log() { echo "== $*"; }
build() {   # build LOG-NAME CMAKE-BUILD-ARGUMENTS...: quiet unless it fails
    local name=$1; shift
    cmake --build "$@" >"build/release-$name.log" 2>&1 ||
        { grep -E 'error|FAILED' "build/release-$name.log" | head -n 30; echo "the $name build failed: build/release-$name.log" >&2; exit 1; }
}

# Windows: the i686 build (the shipped one), the same as the test command's.
log "building the Windows programs (win32)"
cmake --preset win32 >build/win32.configure.log 2>&1 || { tail -n 30 build/win32.configure.log; exit 1; }
demos=()
for kind in text pictures audio video; do
    [ -f "examples/$kind/$kind.quiz" ] && demos+=("$kind")
done
targets=(jorvo-maker)
for kind in "${demos[@]}"; do targets+=("jorvo_${kind}_demo"); done
studio=0
if ninja -C build/win32 -t query jorvo-studio >/dev/null 2>&1; then
    studio=1
    targets+=(jorvo-studio)
fi
build win32 --preset win32 --target "${targets[@]}"

# Linux: the native build's tool and both player templates (the test command's build), installed into
# the archive's folder.
log "building the native tool and its templates"
native=build/native
cmake --preset native >build/native.configure.log 2>&1 || { tail -n 30 build/native.configure.log; exit 1; }
build native --preset native --target jorvo-maker jorvo_player_templates

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
linux=jorvo-$version-linux-x86_64
mkdir "$stage/$linux"
cmake --install "$native" --prefix "$stage/$linux" --strip >/dev/null

windows=jorvo-$version-windows
w=$stage/$windows
mkdir -p "$w/demos" "$w/exemples"
cp build/win32/tools/jorvo-maker.exe "$w/"
if [ $studio = 1 ]; then
    cp "$(find build/win32 -path build/win32/host-tools -prune -o -name jorvo-studio.exe -print | head -n 1)" "$w/"
fi
for kind in "${demos[@]}"; do
    cp "build/win32/examples/jorvo-$kind.exe" "$w/demos/"
    mkdir "$w/exemples/$kind"
    # What the repository holds for the demo: the source and its media, nothing the build left there.
    git ls-files -z "examples/$kind" | xargs -0 cp -t "$w/exemples/$kind/"
done
python3 scripts/release_archive.py windows-text docs/LISEZMOI.txt "$w/LISEZMOI.txt"

python3 scripts/release_archive.py zip "dist/$windows.zip" "$w" "$commit_time"
python3 scripts/release_archive.py tar "dist/$linux.tar.gz" "$stage/$linux" "$commit_time"
for archive in "dist/$windows.zip" "dist/$linux.tar.gz"; do
    echo "$archive: $(stat -c %s "$archive") bytes, sha256 $(sha256sum "$archive" | cut -c 1-16)"
done
