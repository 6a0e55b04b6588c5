#!/bin/sh
# The real player's configuration dialog under Xvfb: "/c" opens it (its screenshot is kept in
# WORKDIR), the keyboard ticks "Screensaver maximum runtime" and presses OK, the registry then
# holds the tick, and the next full-screen run logs the time limit that the tick sets.
# usage: configure_dialog.sh WINE-RUN SHOW.SCR WORKDIR XVFB-SHOW.SH
set -eu
wine_run=$1 show=$2 work=$3 xvfb_show=$4
key='HKCU\Software\quillmere\Dialog Show'
rm -rf "$work"
mkdir -p "$work"
cp "$show" "$work/show.scr"
: >"$work/vesk.log"

reg() { WINE_DISPLAY_KIND=x11 "$wine_run" reg "$@"; }
forget() { reg delete "$key" /f >/dev/null 2>&1 || true; }
fail() { echo "FAIL: $*"; tr -d '\r' <"$work/vesk.log"; forget; exit 1; }
forget

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  wine_run=$1 work=$2
  "$wine_run" "$work/show.scr" /c &
  player=$!
  dialog=""
  for i in $(seq 1 600); do
    dialog=$(xdotool search --name "Dialog Show - Screensaver Settings" 2>/dev/null | head -n 1) || true
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || { echo "no dialog appeared"; kill "$player"; exit 1; }
  sleep 1
  import -window root "$work/configure.png"
  # The focus starts in the screen list; 13 tabs on is "Screensaver maximum runtime".
  xdotool key --delay 100 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space Return
  for i in $(seq 1 100); do kill -0 "$player" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$player" 2>/dev/null; then echo "the dialog did not close"; kill "$player"; exit 1; fi
  wait "$player"
' sh "$wine_run" "$work" || status=$?
WINEPREFIX="$(dirname "$wine_run")/wine/prefix-x11" wineserver -k 2>/dev/null || true
[ "$status" -eq 0 ] || fail "the dialog run failed"

colours=$(convert "$work/configure.png" -format %k info:)
[ "$colours" -gt 8 ] || fail "the screenshot shows nothing ($colours colours)"
for line in "start mode : Configure" "Show configuration dialog." "hasimagemedia = true" "Exit configuration dialog."; do
  grep -q -- "$line" "$work/vesk.log" || fail "no '$line' in the log"
done

# maxRuntimeOn is the 12th value of the 72-byte block: hex digits 89 to 96.
data=$(reg query "$key" /v data | tr -d '\r' | awk '$1 == "data" { print $3 }')
[ "$(printf '%s' "$data" | cut -c89-96)" = "01000000" ] || fail "the tick is not stored: data = $data"

output=$(sh "$xvfb_show" "$wine_run" "$work/show.scr") || fail "the show did not close: $output"
printf '%s\n' "$output" | grep -q "Time Limitation 60 minute(s)" || fail "the show ignores the stored tick: $output"
forget
echo "configuration dialog: ok"
