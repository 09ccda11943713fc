#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmora in an 800x600 Wine
# virtual desktop, on a ready demo profile (unload password: demo).
#   scripts/demo.sh [shell|quorvel|both]
# Without an X display it runs on a private Xvfb, writes a screenshot and
# prints its path.
set -eu
cd "$(dirname "$0")/.."
what="${1:-shell}"
scripts/build.sh
build="$PWD/build/x64"
VELMORA_PREFIX="$build/demo-prefix"
VELMORA_DESKTOP=800x600
headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then headless=0; fi
. scripts/wine-env.sh
velmora_display
velmora_prefix
wine "$build/VelmoraDemo.exe" >/dev/null

programs=()
case "$what" in
    shell) programs=(Dovrane.exe) ;;
    quorvel) programs=(Quorvel.exe) ;;
    both) programs=(Dovrane.exe Quorvel.exe) ;;
    *) echo "usage: $0 [shell|quorvel|both]" >&2; exit 2 ;;
esac
for p in "${programs[@]}"; do
    if [ ! -f "$build/$p" ]; then echo "$p is not built yet" >&2; exit 1; fi
done

# Every program of the prefix runs in its 800x600 virtual desktop.
for p in "${programs[@]}"; do
    wine "$build/$p" >/dev/null 2>&1 &
    sleep 3
done

if [ "$headless" = 1 ]; then
    sleep 6
    # Past the administration program's information box, to its main window.
    wine "$build/tests/E2EProbe.exe" wait-window - Informations 1 && wine "$build/tests/E2EProbe.exe" enter
    sleep 2
    mkdir -p "$build/demo"
    shot="$build/demo/$what.png"
    import -window root -display "$DISPLAY" -crop 800x600+0+0 "$shot"
    wineserver -k
    echo "Screenshot: $shot"
else
    echo "Velmora runs in the \"Velmora\" window. Unload password: demo"
    wait
fi
