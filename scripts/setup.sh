#!/usr/bin/env bash
# Installs what building and running Velmora needs on Debian, when missing:
# the win32-thread cross compilers (the posix ones link a threading runtime
# that Windows 95/98 cannot load), and Wine for both architectures: 32-bit
# Wine (wine32, from the i386 architecture) runs the 32-bit build; Halibut
# writes the help file and the guide; mtools and xorriso write the package's
# floppy and CD images.
set -eu
packages="cmake make g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 googletest halibut
          wine wine64 wine32:i386 fonts-wine xvfb x11-utils imagemagick xdotool python3
          mtools xorriso"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture (for 32-bit Wine)"
    $sudo dpkg --add-architecture i386
    update=1
fi
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    update=1
fi
if [ "$update" = 1 ]; then
    $sudo apt-get update -q
    [ -z "$missing" ] || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing
fi
