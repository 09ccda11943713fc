#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine, on the current X display or on a
# private Xvfb. Arguments go to the list benchmark: [entries] [rounds].
set -eu
cd "$(dirname "$0")/.."
cmake --preset x64 >/dev/null
cmake --build --preset x64 -j"$(nproc)" --target list_bench
scripts/wine-run.sh "$PWD/build/x64/wineprefix" build/x64/tests/list_bench.exe "$@"
