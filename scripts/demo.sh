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

# The first program opens the virtual desktop; the others join it.
wine explorer "/desktop=Velmora,800x600" "$build/${programs[0]}" >/dev/null 2>&1 &
for p in "${programs[@]:1}"; do
    sleep 3
    wine explorer "/desktop=Velmora,800x600" "$build/$p" >/dev/null 2>&1 &
done

if [ "$headless" = 1 ]; then
    sleep 10
    mkdir -p "$build/demo"
    shot="$build/demo/$what.png"
    import -window root -display "$DISPLAY" "$shot"
    wineserver -k
    echo "Screenshot: $shot"
else
    echo "Velmora runs in the \"Velmora\" window. Unload password: demo"
    wait
fi
