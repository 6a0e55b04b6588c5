#!/bin/sh
# Runs a Windows test program on two monitors: an Xvfb with two screens joined by Xinerama, in
# the Wine prefix that takes its monitors from Xinerama. This Xvfb reports both monitors at 0, 0.
# usage: on_two_monitors.sh WINE-RUN PROGRAM [ARGUMENT...]
set -eu
wine_run=$1
shift
status=0
WINE_DISPLAY_KIND=x11-xinerama xvfb-run -a -s "-screen 0 1024x768x24 -screen 1 800x600x24 +xinerama" \
  "$wine_run" "$@" || status=$?
WINEPREFIX="$(dirname "$wine_run")/wine/prefix-x11-xinerama" wineserver -k 2>/dev/null || true
exit $status
