#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit programs with their help and
# guide, and writes the release package dist/velmora-VERSION-win32.zip.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset x86 >/dev/null
cmake --build --preset x86 -j"$(nproc)" --target Dovrane Quorvel help_files
dist="$PWD/dist"
(cd build/x86 && cpack -B "$dist") | sed -n 's/^CPack: - package: \(.*\) generated\.$/Package: \1/p'
rm -rf "$dist/_CPack_Packages"
