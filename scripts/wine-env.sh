# Sourced by the run and test scripts: a private Wine prefix, a display, and one persistent wineserver.
# Usage: source scripts/wine-env.sh   (no arguments: a sourced file would otherwise read its caller's)
# The prefix is build/wineprefix, or $JORVO_WINEPREFIX when set.
#
# Windows programs are started with Wine's own loaders, never the `wine` wrapper, which tries the 32-bit
# loader first: $JORVO_WINE64 for x86_64 programs (every host), $JORVO_WINE32 for i686 programs, only
# where jorvo_probe_i686 found that this host can execute them.
JORVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${JORVO_WINEPREFIX:-$JORVO_ROOT/build/wineprefix}
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko install dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C   # gives the ANSI code page 1252 that the player expects
export JORVO_WINE64=/usr/lib/wine/wine64
export JORVO_WINE32=/usr/lib/wine/wine

# A display: the caller's, else the one an earlier shell started for this prefix (so that shells sourcing
# this file one after another do not each leave an X server behind), else a new Xvfb.
jorvo_display_file=$WINEPREFIX.display
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    if [ -f "$jorvo_display_file" ] && DISPLAY=$(cat "$jorvo_display_file") xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=$(cat "$jorvo_display_file")
    fi
fi
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    for n in $(seq 90 140); do
        [ -e "/tmp/.X${n}-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        JORVO_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        mkdir -p "$(dirname "$WINEPREFIX")" && echo "$DISPLAY" >"$jorvo_display_file"
        break
    done
fi

mkdir -p "$WINEPREFIX"
# Wine's media player plays nothing without an audio device. Where the machine has neither a sound card
# nor a sound server, every Wine process gets ALSA's null device (the sound goes nowhere); a desktop
# keeps its own sound.
if [ -z "${ALSA_CONFIG_PATH:-}" ] && ! ls /dev/snd/pcmC* >/dev/null 2>&1 &&
    [ ! -S "${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/pulse/native" ]; then
    printf '</usr/share/alsa/alsa.conf>\npcm.!default { type null }\n' >"$WINEPREFIX.alsa.conf"
    export ALSA_CONFIG_PATH=$WINEPREFIX.alsa.conf
fi
# One server for the whole run, kept alive between the test programs (each start would cost seconds).
wineserver -p >/dev/null 2>&1 || true   # already running: keep it
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Warns that syswow64's rundll32 cannot start where 32-bit code cannot run: harmless.
    "$JORVO_WINE64" wineboot -i >/dev/null 2>&1 </dev/null || true
fi
# A 32-bit film crashes Wine's video renderer when the process gets no OpenGL context: draw with GDI.
if ! grep -q '^"renderer"="gdi"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$JORVO_WINE64" reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >/dev/null 2>&1 </dev/null || true
fi
# Wine's own TrueType fonts (Marlett, Tahoma...) sit in its data folder, from which this Wine loads only
# the bitmap fonts its registry names: without Marlett the caption buttons show as the letters "0 1 r",
# and without Tahoma dialogs fall back to another face. In the prefix's Fonts folder they load.
if [ -d /usr/share/wine/fonts ] && [ -d "$WINEPREFIX/drive_c/windows/Fonts" ]; then
    cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
# Start the prefix's own processes (services, devices, desktop) now, detached from any pipe: started by the
# first test program instead, they would inherit its output pipe and keep it open, so ctest would wait on
# it until its timeout.
"$JORVO_WINE64" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true

# Decides once whether i686 Windows programs run here, by running one: some hosts give processes no 32-bit
# code segment at all ("Exec format error"), whatever their distribution or kernel configuration says.
# Sets JORVO_I686 to 1 or 0 and, when 0, JORVO_I686_WHY to a one-line reason. JORVO_FORCE_NO_I686=1
# behaves as such a host would (to try the skip path on any machine).
jorvo_probe_i686() {
    local out
    JORVO_I686=0
    if [ "${JORVO_FORCE_NO_I686:-0}" = 1 ]; then
        JORVO_I686_WHY="JORVO_FORCE_NO_I686=1 asks to behave as a host without 32-bit code"
    elif [ ! -x "$JORVO_WINE32" ]; then
        JORVO_I686_WHY="$JORVO_WINE32 (Wine's 32-bit loader, package wine32:i386) is not installed"
    elif out=$("$JORVO_WINE32" cmd.exe /c exit 2>&1 </dev/null); then
        JORVO_I686=1
        JORVO_I686_WHY=
    else
        local status=$?
        out=$(printf '%s\n' "$out" | grep -v '^$' | head -n 1 | sed 's/^.*: //')
        JORVO_I686_WHY="this host cannot execute 32-bit programs ($JORVO_WINE32: ${out:-exit status $status})"
    fi
    export JORVO_I686 JORVO_I686_WHY
}

jorvo_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${JORVO_XVFB_PID:-}" ] && kill "$JORVO_XVFB_PID" 2>/dev/null || true
}
