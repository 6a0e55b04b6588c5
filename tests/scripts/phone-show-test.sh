#!/bin/sh
# A folder of phone photos (JPEG, PNG, HEIC, WebP, AVIF, one JPEG stored sideways) built by the
# Linux scrpack with no manifest, fitted, and played by the real Windows player under a private
# X server:
# every photo is shown, and the sideways one stands upright.
# usage: phone-show-test.sh SCRPACK PHOTO-FOLDER WINDOWS-BUILD WORK-FOLDER
set -eu
scrpack=$1 photos=$2 win=$3 work=$4
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work"
# Fitted smaller than the screen, so that scrpack turns the sideways photo itself and clears its tag.
"$scrpack" build "$photos" -o "$work/phone.scr" --player "$win/player.scr" --fit 960x768

SHOTS=240 SHOT_EVERY=0.5 SHOTS_UNTIL="Media name = sideways.jpg" sh "$here/../../scripts/xvfb-show.sh" "$win/wine-run" "$work/phone.scr" \
  "$work/screen.png" >"$work/show.log" 2>&1 || { cat "$work/show.log"; echo "FAIL: the show did not run"; exit 1; }

status=0
for name in IMG_0001.jpg beach.jpg harbour.png leaf.jpg night.jpg sideways.jpg; do
  grep -q "Media name = $name" "$work/vesk.log" || { echo "FAIL: $name was not shown"; status=1; }
done

# The sideways photo is a gradient from white at the top to black at the bottom as stored; turned
# upright it runs from black on the left to white on the right, grey all along. At the screen's
# middle row (1280 × 1024) that shows as a dark grey left of the middle and a light grey right of it.
grey() {  # grey FILE X Y: the pixel's level when it is grey, else nothing
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1 \2 \3/p' |
    awk '{ d = $1 - $2; if (d < 0) d = -d; e = $2 - $3; if (e < 0) e = -e; if (d < 12 && e < 12) print $2 }'
}
upright=
for shot in "$work"/screen-*.png; do
  left=$(grey "$shot" 440 512) right=$(grey "$shot" 840 512)
  if [ -n "$left" ] && [ -n "$right" ] && [ "$left" -lt 110 ] && [ "$right" -gt 150 ]; then
    upright=$shot
    break
  fi
done
[ -n "$upright" ] || { echo "FAIL: no screenshot shows the sideways photo upright"; status=1; }

if [ $status -ne 0 ]; then cat "$work/vesk.log"; exit 1; fi
echo "every photo shown; the sideways one upright in $upright"
