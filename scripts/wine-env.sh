# Sourced by the run and test scripts: a private Wine prefix, a display, and one persistent wineserver.
# Usage: source scripts/wine-env.sh [prefix-dir]   (default build/wineprefix)
JORVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${1:-${WINEPREFIX:-$JORVO_ROOT/build/wineprefix}}
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko install dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C   # gives the ANSI code page 1252 that the player expects

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    for n in $(seq 90 140); do
        [ -e "/tmp/.X${n}-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        JORVO_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        break
    done
fi

mkdir -p "$WINEPREFIX"
# One server for the whole run, kept alive between the test programs (each start would cost seconds).
wineserver -p >/dev/null 2>&1 || true   # already running: keep it
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 </dev/null || true
fi
# Start the prefix's own processes (services, devices, desktop) now, detached from any pipe: started by the
# first test program instead, they would inherit its output pipe and keep it open, so ctest would wait on
# it until its timeout.
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true

jorvo_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${JORVO_XVFB_PID:-}" ] && kill "$JORVO_XVFB_PID" 2>/dev/null || true
}
