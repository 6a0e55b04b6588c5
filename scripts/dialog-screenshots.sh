#!/bin/sh
# Screenshots of the configuration dialog's three pages, of the About dialog and of the show with
# its captions, as a person sees them, from the real player under Xvfb at a screen scaling of DPI
# dots per inch (96, 120, 144, 192); the keyboard moves between them as a user would. Wine takes
# the system's DPI from its LogPixels setting, which is set in a prefix kept for the screenshots,
# so the tests' prefix never changes its scaling.
# usage: dialog-screenshots.sh WINE-RUN SHOW.SCR OUTDIR DPI
set -eu
wine_run=$1 show=$2 out=$3 dpi=$4
mkdir -p "$out"
export WINE_DISPLAY_KIND=x11-screenshots
prefix="$(dirname "$wine_run")/wine/prefix-$WINE_DISPLAY_KIND"
# A Wine session keeps the DPI it started with: the server ends before and after.
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
"$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
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
  # The preview pane plays the first effect; the picture catches it part way.
  sleep 0.7
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
# The show itself, full screen, with its captions at this scaling.
[ "$status" -ne 0 ] || sh "$(dirname "$0")/xvfb-show.sh" "$wine_run" "$show" "$out/show-captions.png" >/dev/null ||
  status=$?
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
ls "$out"/*.png
exit $status
