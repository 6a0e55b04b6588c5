#!/bin/sh
# Runs a show full screen under a private X server, as a user would see it: waits until its
# window is up and its exit conditions are armed, takes screenshots, moves the mouse, and waits
# for the show to close. Prints the show's vesk.log.
# usage: [SHOTS=N] [SHOT_EVERY=SECONDS] [SHOTS_UNTIL=TEXT] xvfb-show.sh WINE-RUN SHOW.SCR [SCREENSHOT.png]
# With SHOTS above 1, the screenshots are SCREENSHOT-1.png ... SCREENSHOT-N.png, SHOT_EVERY
# seconds apart (default 2). With SHOTS_UNTIL, the shots end 6 s after the log first holds TEXT
# (SHOTS at most).
set -eu
wine_run=$1 show=$2 screenshot=${3:-}
log="$(dirname "$show")/vesk.log"
: >"$log"

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  wine_run=$1 show=$2 log=$3 screenshot=$4 shots=$5 every=$6 until=$7
  "$wine_run" "$show" /s &
  player=$!
  # The window is up once the show logs its start position; 2 s later input counts.
  for i in $(seq 1 1800); do grep -q "Main form Init Pos" "$log" 2>/dev/null && break; sleep 0.1; done
  sleep 2.5
  if [ -n "$screenshot" ] && [ "$shots" -le 1 ]; then
    import -window root "$screenshot"
  elif [ -n "$screenshot" ]; then
    seen=
    for n in $(seq 1 "$shots"); do
      [ "$n" -eq 1 ] || sleep "$every"
      import -window root "${screenshot%.png}-$n.png"
      if [ -n "$until" ] && [ -z "$seen" ] && grep -q "$until" "$log"; then seen=$(date +%s); fi
      if [ -n "$seen" ] && [ $(($(date +%s) - seen)) -ge 6 ]; then break; fi
    done
  fi
  # Away from where the pointer starts (the middle of the screen), so X reports a movement.
  xdotool mousemove 200 150
  for i in $(seq 1 300); do kill -0 "$player" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$player" 2>/dev/null; then echo "the show did not close"; kill "$player"; exit 1; fi
  wait "$player"
' sh "$wine_run" "$show" "$log" "$screenshot" "${SHOTS:-1}" "${SHOT_EVERY:-2}" "${SHOTS_UNTIL:-}" || status=$?

# A Wine server left from this X display must not serve the next one.
WINEPREFIX="$(dirname "$wine_run")/wine/prefix-x11" wineserver -k 2>/dev/null || true
cat "$log"
exit $status
