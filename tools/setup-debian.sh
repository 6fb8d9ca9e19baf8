#!/bin/sh
# Installs what the build and the tests need on Debian 12. Safe to run again: it installs only
# what is missing. Needs root (or sudo) when something is missing.
set -e
packages="cmake ninja-build make g++ python3 zlib1g-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  wine wine64 wine32:i386 fonts-wine fonts-liberation xvfb xserver-xephyr xdotool imagemagick
  librsvg2-bin pngquant fonts-dejavu-core nsis"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
echo "Installing:$missing"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
