#!/usr/bin/env bash
# Installs what is missing, then builds both presets with their tests:
# i686 (the product, for the 32-bit target machines) and x86_64.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
for preset in x86 x64; do
    cmake --preset $preset >/dev/null
    cmake --build --preset $preset -j"$jobs"
done
