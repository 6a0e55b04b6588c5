#!/bin/sh
# Screenshots of the configuration dialog's three pages and of the About dialog, as a person sees
# them, from the real player under Xvfb; the keyboard moves between them as a user would.
# usage: dialog-screenshots.sh WINE-RUN SHOW.SCR OUTDIR
set -eu
wine_run=$1 show=$2 out=$3
mkdir -p "$out"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  wine_run=$1 show=$2 out=$3
  window() {  # the X window whose name is $1, once it is there
    for i in $(seq 1 600); do
      id=$(xdotool search --name "$1" 2>/dev/null | head -n 1) || true
      [ -n "$id" ] && { echo "$id"; return 0; }
      sleep 0.1
    done
    return 1
  }
  "$wine_run" "$show" /c &
  player=$!
  dialog=$(window "Screensaver Settings") || { echo "no dialog appeared"; kill "$player"; exit 1; }
  sleep 1
  import -window "$dialog" "$out/configure-general.png"
  # Ctrl+Tab shows the next page.
  xdotool key ctrl+Tab
  sleep 0.5
  import -window "$dialog" "$out/configure-transition-effects.png"
  xdotool key ctrl+Tab
  sleep 0.5
  import -window "$dialog" "$out/configure-publisher.png"
  xdotool key alt+h a
  about=$(window "About ") || { echo "no About dialog appeared"; kill "$player"; exit 1; }
  sleep 0.5
  import -window "$about" "$out/about.png"
  xdotool key Return
  sleep 0.5
  xdotool key Escape
  for i in $(seq 1 100); do kill -0 "$player" 2>/dev/null || break; sleep 0.1; done
  kill "$player" 2>/dev/null || true
  wait "$player" || true
' sh "$wine_run" "$show" "$out" || status=$?
WINEPREFIX="$(dirname "$wine_run")/wine/prefix-x11" wineserver -k 2>/dev/null || true
ls "$out"/*.png
exit $status
