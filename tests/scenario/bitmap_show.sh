#!/bin/sh
# The scenario show: the demo's pictures as bitmaps, built from a manifest by the Windows scrpack
# behind the player, with the image library beside the player carried by default.
# usage: bitmap_show.sh EMULATOR DEMOMEDIA SCRPACK PLAYER OUTPUT-FOLDER
set -eu
emulator=$1 pictures=$2 scrpack=$3 player=$4 out=$5
mkdir -p "$out"
"$emulator" "$pictures" "$out" >/dev/null
cat >"$out/show.json" <<'JSON'
{
  "project": {"name": "Demo Show"},
  "items": ["sunrise.bmp", "lake.bmp", "meadow.bmp", "dunes.bmp", "forest.bmp", "night.bmp"]
}
JSON
"$emulator" "$scrpack" build "$out/show.json" -o "$out/../demo.scr" --player "$player"
