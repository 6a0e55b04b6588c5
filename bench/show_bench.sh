#!/bin/sh
# The real player with a show of two large real pictures (the distribution's wallpapers, cut to
# 3840 x 2160 JPEGs): the first with a caption on a solid background, the second on a picture
# background.
#  - Start to first picture at 1920 x 1080: from the player's first log line to the start of the
#    first transition, against a plain decode of the first picture. Goal: within 80 ms + 2 R of it.
#  - Peak memory at 3840 x 2160: the player process's peak resident size in full frames (33 MB).
#    Goal: at most 8.
# usage: show_bench.sh SCRPACK WIN32-BUILD-FOLDER WORK-FOLDER
set -eu
scrpack=$1 win32=$2 work=$3
wine_run=$win32/wine-run
mkdir -p "$work"
wallpapers=/usr/share/backgrounds/gnome
for name in wood adwaita; do
  [ -f "$work/$name.jpg" ] || convert "$wallpapers/$name-l.webp" -gravity center -crop 4096x2304+0+0 +repage \
      -resize 3840x2160 -quality 92 "$work/$name.jpg"
done
cat >"$work/show.json" <<'EOF'
{ "project": { "name": "Show Bench", "options": { "mediaPauseSeconds": 1, "backgroundPerPicture": 1 } },
  "items": [
    { "file": "wood.jpg", "title": "Wood", "effects": ["Band down large"],
      "options": { "titleSize": 30 } },
    { "file": "adwaita.jpg", "effects": ["Band down large"],
      "options": { "backgroundSolidAllowed": false, "backgroundPictureAllowed": true,
                   "pictureBackgroundOwn": true } } ] }
EOF
"$scrpack" build "$work/show.json" -o "$work/show.scr" --player "$win32/player.scr" \
    >/dev/null

# Runs the show on an X screen of the given size until both pictures have come in, samples the
# player's peak resident size meanwhile, and closes it with a mouse movement.
run_show() {  # SIZE
  : >"$work/vesk.log"
  xvfb-run -a -s "-screen 0 ${1}x24" sh -eu -c '
    wine_run=$1 show=$2 log=$3 peakfile=$4
    "$wine_run" "$show" /s &
    player=$!
    peak=0
    for i in $(seq 1 600); do
      for pid in $(pgrep -f "show.scr /s" || true); do
        kb=$(awk "/VmHWM/ { print \$2 }" /proc/$pid/status 2>/dev/null || echo 0)
        [ "${kb:-0}" -gt "$peak" ] && peak=$kb
      done
      [ "$(grep -c "end a transition show" "$log" 2>/dev/null)" -ge 2 ] && break
      sleep 0.05
    done
    echo "$peak" >"$peakfile"
    sleep 0.5
    xdotool mousemove 200 150
    for i in $(seq 1 300); do kill -0 "$player" 2>/dev/null || break; sleep 0.1; done
    kill "$player" 2>/dev/null || true
  ' sh "$wine_run" "$work/show.scr" "$work/vesk.log" "$work/peak"
  WINEPREFIX="$win32/wine/prefix-x11" wineserver -k 2>/dev/null || true
}

tick() {  # the log's millisecond counter on the first line that matches
  grep -m1 "$1" "$work/vesk.log" | sed 's/^(\([0-9]*\)).*/\1/'
}

run_show 1920x1080
first=$(grep -m1 '^(' "$work/vesk.log" | sed 's/^(\([0-9]*\)).*/\1/')
shown=$(tick "begin a transition show")
start=$((shown - first))
decode=$("$wine_run" "$win32/bench/picture_bench.exe" decode "$work/wood.jpg" | sed 's/decode \([0-9]*\) ms.*/\1/')
r=$(xvfb-run -a -s "-screen 0 3840x2160x24" "$wine_run" "$win32/bench/effects_bench.exe" 1 0 0 |
    sed -n 's/^R .* = \([0-9.]*\) ms at 1920 x 1080.*/\1/p')
WINEPREFIX="$win32/wine/prefix-x11" wineserver -k 2>/dev/null || true
echo "start to first picture ${start} ms; plain decode of the first picture ${decode} ms, R ${r} ms"
awk "BEGIN { over = $start - $decode; printf \"   %.0f ms beyond the decode (goal: at most 80 ms + 2 R = %.0f ms)\n\", over, 80 + 2 * $r }"
echo "   where it went (ms from the first log line):"
grep '^(' "$work/vesk.log" | awk -v first="$first" -v shown="$shown" '
  { t = substr($1, 2, index($1, ")") - 2) + 0; if (t > shown) exit
    sub(/^[^:]*: \[[^]]*\] : /, ""); printf "   %6d  %s\n", t - first, $0 }'

[ -n "${START_ONLY:-}" ] && exit 0  # START_ONLY=1: the start-up figure alone
run_show 3840x2160
peak=$(cat "$work/peak")
awk "BEGIN { printf \"peak memory at 3840 x 2160: %.0f MiB, %.1f full frames (goal: at most 8)\n\", $peak / 1024, $peak * 1024 / (3840 * 2160 * 4) }"
