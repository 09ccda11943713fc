#!/usr/bin/env bash
# Installs what is missing, then builds the presets named (by default both),
# with their tests: x86 (the product, for the 32-bit target machines) and x64.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
for preset in ${*:-x86 x64}; do
    cmake --preset $preset >/dev/null
    cmake --build --preset $preset -j"$jobs"
done
