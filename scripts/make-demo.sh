#!/bin/sh
# Builds the demo show from its manifest: the computed media (in demo/media, beside the manifest
# that names them, so that `scrpack build demo/show.json` works from where it stands), the
# pictures converted into the formats the manifest names, then packed behind the player (with the
# image library beside it) by scrpack.
# usage: make-demo.sh NATIVE-BUILD WIN32-BUILD OUTPUT-FOLDER
set -eu
native=$1 win32=$2 out=$3
here=$(dirname "$0")
media="$here/../demo/media"
mkdir -p "$out" "$media"
"$native/demomedia" "$media" >"$media/list"
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
done <"$media/list"
"$native/scrpack" build "$here/../demo/show.json" -o "$out/demo.scr" --player "$win32/player.scr"
