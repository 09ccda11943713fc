#!/usr/bin/env bash
# Installs what building and running Velmora needs on Debian, when missing.
set -eu
packages="cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest
          wine wine64 fonts-wine xvfb x11-utils imagemagick xdotool"
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing
fi
