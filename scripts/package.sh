#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit programs with their help and
# guide, and writes the release package dist/velmora-VERSION-win32.zip, and
# its floppy and CD images dist/velmora-VERSION.img and .iso.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset x86 >/dev/null
cmake --build --preset x86 -j"$(nproc)" --target Dovrane Quorvel help_files
dist="$PWD/dist"
zip=$(cd build/x86 && cpack -B "$dist" | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
rm -rf "$dist/_CPack_Packages"
echo "Package: $zip"
scripts/disk_images.sh "$zip" | sed 's/^/Image: /'
