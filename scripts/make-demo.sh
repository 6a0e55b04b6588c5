#!/bin/sh
# Builds the demo show: the computed pictures, converted into the formats the demo stores them in,
# packed behind the player together with the image library.
# usage: make-demo.sh NATIVE-BUILD WIN32-BUILD OUTPUT-FOLDER
set -eu
native=$1 win32=$2 out=$3
mkdir -p "$out/pictures"
arguments="$out/pictures/arguments"
: >"$arguments"
"$native/demopack" --bitmaps "$out/pictures" >"$out/pictures/list"
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
  printf -- '--picture\n%s\n' "$picture" >>"$arguments"
done <"$out/pictures/list"
# One argument per line: the paths have no line breaks.
tr '\n' '\0' <"$arguments" | xargs -0 "$native/demopack" "$out/demo.scr" "$win32/player.scr" \
  --library "$win32/Expic.dll"
