#!/bin/sh
# A folder as a phone leaves it: JPEG, PNG with transparency, HEIC, WebP and AVIF, one JPEG stored
# sideways with an EXIF orientation (6: turn 90 degrees clockwise to show), and a sound.
# usage: make-phone-pictures.sh FOLDER
set -eu
out=$1
mkdir -p "$out"
convert -size 1200x800 gradient:red-blue "$out/beach.jpg"
convert -size 600x400 xc:none -fill 'rgba(255,0,0,0.5)' -draw 'circle 300,200 300,50' "$out/harbour.png"
convert -size 900x600 gradient:green-yellow "$out/IMG_0001.HEIC"
convert -size 900x600 gradient:white-navy "$out/leaf.webp"
convert -size 900x600 gradient:orange-purple "$out/night.avif"
convert -size 1200x800 gradient:white-black "$out/sideways.jpg"
exiftool -q -overwrite_original -n -Orientation=6 "$out/sideways.jpg"
printf 'RIFF\004\000\000\000WAVE' >"$out/theme.wav"
