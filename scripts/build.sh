#!/usr/bin/env bash
# Installs what is missing, then builds both presets: x86_64 (with its tests)
# and i686 (the programs alone, for the 32-bit target machines).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake --preset x64 >/dev/null
cmake --build --preset x64 -j"$jobs"
cmake --preset x86 >/dev/null
cmake --build --preset x86 -j"$jobs"
