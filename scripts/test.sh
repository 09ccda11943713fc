#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite under Wine,
# on the current X display or on a private Xvfb.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh
VELMORA_PREFIX="$PWD/build/x64/wineprefix"
. scripts/wine-env.sh
velmora_display
velmora_prefix
# One server and one set of Wine services for the whole run, started away
# from the test's output pipes (CTest waits until every holder closes them).
# The server that set the prefix up goes first: a second one would not start.
wineserver -w
wineserver -p
wine wineboot >/dev/null 2>&1 </dev/null
trap 'wineserver -k 2>/dev/null || true' EXIT
ctest --preset x64 "$@"
