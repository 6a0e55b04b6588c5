#!/bin/sh
# Fitting camera photos to a 4K screen: `scrpack build FOLDER --fit 3840x2160` against ImageMagick's
# convert over the same 20 photos of 6000 x 4000 (JPEG, made here from a wallpaper that the
# distribution packages), its peak memory with 20 photos against one, and the bytes it stores.
# usage: fit_bench.sh SCRPACK WORK-FOLDER   (CONVERT names ImageMagick's convert; default convert)
set -eu
scrpack=$1 work=$2
convert=${CONVERT:-convert}
count=20
mkdir -p "$work/one" "$work/all" "$work/magick"
if [ ! -f "$work/photo.jpg" ]; then
  "$convert" /usr/share/backgrounds/gnome/wood-l.webp -resize 6000x4000^ -gravity center -extent 6000x4000 \
    -quality 92 "$work/photo.jpg"
fi
i=1
while [ $i -le $count ]; do
  cp "$work/photo.jpg" "$work/all/photo-$i.jpg"
  i=$((i + 1))
done
cp "$work/photo.jpg" "$work/one/photo-1.jpg"

# seconds and peak KiB of building the show of folder $1
build() {
  /usr/bin/time -f '%e %M' -o "$work/figures" "$scrpack" build "$work/$1" -o "$work/$1.scr" --fit 3840x2160 \
    >"$work/$1.out"
  cat "$work/figures"
}
set -- $(build all)
ours=$1 peak_all=$2
set -- $(build one)
peak_one=$2
start=$(date +%s.%N)
for photo in "$work"/all/*.jpg; do
  "$convert" "$photo" -resize '3840x2160>' -quality 90 "$work/magick/$(basename "$photo")"
done
magick=$(awk "BEGIN { printf \"%.2f\", $(date +%s.%N) - $start }")
original=$(cat "$work"/all/*.jpg | wc -c)
stored=$(cat "$work"/magick/*.jpg | wc -c)

echo "== fitting $count photos of 6000 x 4000 to 3840 x 2160"
echo "   scrpack build --fit ${ours} s, convert -resize ${magick} s: ratio $(awk "BEGIN { printf \"%.2f\", $ours / $magick }") (goal: at most 1.0)"
echo "   peak memory: 1 photo ${peak_one} KiB, $count photos ${peak_all} KiB: ratio $(awk "BEGIN { printf \"%.2f\", $peak_all / $peak_one }") (goal: at most 1.2)"
echo "   scrpack: $(sed -n 's/^pictures\t//p' "$work/all.out")"
echo "   convert: $original bytes of originals -> $stored bytes"
rm -rf "$work/all" "$work/one" "$work/magick" "$work/all.scr" "$work/one.scr"
