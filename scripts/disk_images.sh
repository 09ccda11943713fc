#!/usr/bin/env bash
# Writes a release package's content, beside it, on the media that Windows 95
# and 98 machines read (they open no zip): velmora-VERSION.img, a 1.44 MB FAT12
# floppy image (mtools), and velmora-VERSION.iso, a CD image with ISO 9660
# level 1 names and Joliet ones (xorriso). The files keep 8.3 names, which
# the 16-bit installer of Windows 95 and 98 needs.
#   disk_images.sh dist/velmora-VERSION-win32.zip
set -eu
zip="$1"
base="${zip%-win32.zip}"
content=$(mktemp -d)
trap 'rm -rf "$content"' EXIT
python3 -m zipfile -e "$zip" "$content"
rm -f "$base.img" "$base.iso"
mformat -i "$base.img" -C -f 1440 -v VELMORA ::
for file in "$content"/*; do
    name=$(basename "$file")
    mcopy -i "$base.img" "$file" "::${name^^}"   # upper case: a short name alone, no long one
done
# xorriso talks on every run: its words are shown only when it fails.
report=$(xorriso -as mkisofs --norock -iso-level 1 -J -V VELMORA -o "$base.iso" "$content" 2>&1) || {
    echo "$report" >&2
    exit 1
}
echo "$base.img"
echo "$base.iso"
