#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmora in an 800x600 Wine
# virtual desktop, on a ready demo profile (unload password: demo). The
# programs are the 32-bit ones that ship, with their help file beside them.
#   scripts/demo.sh [shell|quorvel|both]
# Without an X display it runs on a private Xvfb, waits until the programs
# show what they are started for, writes a screenshot, prints its path and
# leaves nothing of its own running.
set -eu
cd "$(dirname "$0")/.."
what="${1:-shell}"
case "$what" in
    shell|quorvel|both) ;;
    *) echo "usage: $0 [shell|quorvel|both]" >&2; exit 2 ;;
esac
scripts/build.sh x86
build="$PWD/build/x86"
VELMORA_BUILD=x86 VELMORA_PREFIX="$build/demo-prefix" VELMORA_DESKTOP=800x600
headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then headless=0; fi
. scripts/wine-env.sh
if [ "$headless" = 1 ]; then velmora_start private; else velmora_start; fi
wine "$build/VelmoraDemo.exe" >/dev/null

mkdir -p "$build/demo"
probe() { wine "$build/tests/E2EProbe.exe" "$@"; }
fail() {
    import -window root -display "$DISPLAY" "$build/demo/failure.png"
    echo "$* (screen: $build/demo/failure.png)" >&2
    exit 1
}
start_shell() {
    wine "$build/Dovrane.exe" >/dev/null 2>&1 &
    # The caption names the profile once it is loaded (the first start of
    # a fresh prefix takes a while).
    probe wait-window - "Bureau de : .Default" 120 || fail "the shell did not load its desktop"
}
start_quorvel() {
    wine "$build/Quorvel.exe" >/dev/null 2>&1 &
    probe wait-window - Informations 120 || fail "the administration program did not start"
    if [ "$headless" = 1 ]; then
        probe enter   # past the information box, to the main window
        probe wait-window - "Bureau par défaut" 30 || fail "no administration window"
    fi
}
case "$what" in
    shell) start_shell ;;
    quorvel) start_quorvel ;;
    both) start_shell; start_quorvel ;;
esac

if [ "$headless" = 1 ]; then
    xdotool mousemove 780 20   # the pointer rests where no hint shows
    sleep 2   # the icons and the toolbar paint after the captions
    shot="$build/demo/$what.png"
    import -window root -display "$DISPLAY" -crop 800x600+0+0 "$shot"
    echo "Screenshot: $shot"
else
    echo "Velmora runs in the \"Velmora\" window. Unload password: demo"
    wait
fi
