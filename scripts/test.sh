#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite under Wine,
# on the current X display or on a private Xvfb: the 32-bit build in a
# 32-bit prefix posing as Windows 98 (the Windows 95/98 paths), then the
# 64-bit build as the NT family. Extra arguments go to CTest.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh
status=0
for preset in x86 x64; do
    (
        VELMORA_BUILD=$preset VELMORA_PREFIX="$PWD/build/$preset/wineprefix"
        . scripts/wine-env.sh
        velmora_start
        # One server and one set of Wine services for the whole run, started
        # away from the test's output pipes (CTest waits until every holder
        # closes them). The server that set the prefix up goes first: a
        # second one would not start.
        wineserver -w
        wineserver -p
        wine wineboot >/dev/null 2>&1 </dev/null
        echo "== $preset ($WINEARCH${VELMORA_WINVER:+, $VELMORA_WINVER})"
        ctest --preset $preset "$@"
    ) || status=1
done
exit $status
