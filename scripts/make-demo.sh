#!/bin/sh
# Builds the demo show from its manifest: the computed media, the pictures converted into the
# formats the manifest names, then packed behind the player (with the image library beside it)
# by scrpack.
# usage: make-demo.sh NATIVE-BUILD WIN32-BUILD OUTPUT-FOLDER
set -eu
native=$1 win32=$2 out=$3
here=$(dirname "$0")
mkdir -p "$out/media"
"$native/demomedia" "$out/media" >"$out/media/list"
tab=$(printf '\t')
while IFS="$tab" read -r bitmap format; do
  picture="${bitmap%.bmp}.$format"
  case $format in
    bmp) ;;
    jpg) convert "$bitmap" -quality 90 "$picture" ;;
    gif) convert "$bitmap" -colors 256 "$picture" ;;
    tif) convert "$bitmap" -compress lzw "$picture" ;;
    *) convert "$bitmap" "$picture" ;;
  esac
done <"$out/media/list"
cp "$here/../demo/show.json" "$out/show.json"
"$native/scrpack" build "$out/show.json" -o "$out/demo.scr" --player "$win32/player.scr"
