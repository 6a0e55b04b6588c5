#!/bin/sh
# The real player full screen under Xvfb with a show of a picture and a video, and two music
# tracks behind them, built from a manifest by the Windows scrpack: the screenshots show the
# video's bands, the log shows the items in order with their players and the tracks playing, and
# after the show no copy of a video or a track is left in the temporary folder.
# usage: media_show.sh WINE-RUN DEMOMEDIA SCRPACK PLAYER WORKDIR XVFB-SHOW.SH
set -eu
wine_run=$1 media=$2 scrpack=$3 player=$4 work=$5 xvfb_show=$6
rm -rf "$work"
mkdir -p "$work"
"$wine_run" "$media" "$work" >/dev/null
cat >"$work/show.json" <<'JSON'
{
  "project": {"name": "Media Show", "options": {"mediaPauseSeconds": 1}},
  "music": ["low.wav", "high.wav"],
  "items": [
    {"file": "sunrise.bmp", "options": {"transitionsOn": false}},
    {"file": "bands.avi", "options": {"videoSizeMode": 5, "musicOn": false}}
  ]
}
JSON
"$wine_run" "$scrpack" build "$work/show.json" -o "$work/show.scr" --player "$player" >/dev/null

output=$(SHOTS=20 SHOT_EVERY=0.5 sh "$xvfb_show" "$wine_run" "$work/show.scr" "$work/screen.png") ||
  { echo "$output"; echo "FAIL: the show did not close"; exit 1; }
fail() { echo "$output"; echo "FAIL: $*"; exit 1; }
log=$(printf '%s\n' "$output" | tr -d '\r')

# The video's three band colours (red, green, blue) in the middle of a screenshot.
bands=0
for shot in "$work"/screen-*.png; do
  rgb=$(convert "$shot" -format '%[fx:int(255*p{640,512}.r)] %[fx:int(255*p{640,512}.g)] %[fx:int(255*p{640,512}.b)]' info:)
  case "$rgb" in "192 96 48" | "64 160 64" | "48 128 192") bands=$((bands + 1)) ;; esac
done
[ "$bands" -ge 1 ] || fail "no screenshot showed the video"

names=$(printf '%s\n' "$log" | sed -n 's/.*Media name = //p' | head -n 3 | tr '\n' ' ')
[ "$names" = "sunrise.bmp bands.avi sunrise.bmp " ] || fail "items shown in the order: $names"
for line in "Play a video movie" "Video Player1 working" "Exit from PlayVideo()" "Play music " \
  "Close Event : WM_MOUSEMOVE_A"; do
  printf '%s\n' "$log" | grep -q -- "$line" || fail "no '$line' in the log"
done
# Every copy the show played from is gone.
temp="$(dirname "$wine_run")/wine/prefix-x11/drive_c"
left=$(find "$temp" -path '*Temp*' \( -name '*.avi' -o -name '*.wav' \) 2>/dev/null | head -n 5)
[ -z "$left" ] || fail "copies left in the temporary folder: $left"
echo "media show: ok ($bands screenshots of the video)"
