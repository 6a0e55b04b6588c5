#!/bin/sh
# The real player full screen under Xvfb with a show of three solid pictures: screenshots taken
# while each picture stands show its colour, the log has a transition per picture and the show
# goes round more than once, and a mouse movement closes it.
# usage: picture_show.sh WINE-RUN SHOW.SCR WORKDIR XVFB-SHOW.SH
set -eu
wine_run=$1 show=$2 work=$3 xvfb_show=$4
rm -rf "$work"
mkdir -p "$work"
cp "$show" "$work/show.scr"

output=$(SHOTS=16 SHOT_EVERY=0.4 sh "$xvfb_show" "$wine_run" "$work/show.scr" "$work/screen.png") ||
  { echo "$output"; echo "FAIL: the show did not close"; exit 1; }
fail() { echo "$output"; echo "FAIL: $*"; exit 1; }
log=$(printf '%s\n' "$output" | tr -d '\r')

# The colour in the middle of each screenshot, by name when it is one of the pictures.
seen=""
for shot in "$work"/screen-*.png; do
  rgb=$(convert "$shot" -format '%[fx:int(255*p{640,512}.r)] %[fx:int(255*p{640,512}.g)] %[fx:int(255*p{640,512}.b)]' info:)
  set -- $rgb
  name=$(awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN {
    split("red 220 30 30 green 30 200 60 blue 40 60 230", c, " ");
    for (i = 1; i <= 12; i += 4) {
      d = (r - c[i+1]) ^ 2 + (g - c[i+2]) ^ 2 + (b - c[i+3]) ^ 2;
      if (d < 300) { print c[i]; exit }
    }
    print "other" }')
  seen="$seen $name"
done
for colour in red green blue; do
  case "$seen" in *"$colour"*) ;; *) fail "no screenshot showed $colour (saw:$seen)" ;; esac
done

changes=$(printf '%s\n' "$log" | grep -c "begin a transition show" || true)
[ "$changes" -ge 4 ] || fail "only $changes transitions: the show did not go round"
names=$(printf '%s\n' "$log" | sed -n 's/.*Media name = //p' | head -n 4 | tr '\n' ' ')
[ "$names" = "red.bmp green.bmp blue.bmp red.bmp " ] || fail "items shown in the order: $names"
for line in "Close Event : WM_MOUSEMOVE_A" "CanClose : yes"; do
  printf '%s\n' "$log" | grep -q -- "$line" || fail "no '$line' in the log"
done
echo "picture show: ok (screenshots:$seen)"
