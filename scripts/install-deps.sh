#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine.
# Safe to run again: it only installs what is missing, and does nothing when all is there.
set -euo pipefail

packages=(cmake ninja-build make g++ googletest g++-mingw-w64-i686-posix
          wine wine32:i386 libxinerama1:i386 fonts-wine xvfb xauth xdotool imagemagick clang libclang-rt-14-dev
          nlohmann-json3-dev time gnome-backgrounds libimage-exiftool-perl)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
