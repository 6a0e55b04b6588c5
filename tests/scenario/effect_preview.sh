#!/bin/sh
# The transition preview in the real player's configuration dialog under Xvfb. "/c" opens the
# dialog and the keyboard moves to the Transition Effects page: the pane plays the focused effect
# (two pictures of the dialog 300 ms apart differ, and they differ inside the pane's part of it),
# and the log shows the runs of effect 0. Down moves the focus in the list: the runs are of effect 1
# from then on. On the General page the dialog stands still and no run starts.
# Every wait polls against a generous deadline: the machine may be slow and loaded.
# usage: effect_preview.sh WINE-RUN SHOW.SCR WORKDIR
set -eu
wine_run=$1 show=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
cp "$show" "$work/show.scr"
: >"$work/vesk.log"

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  wine_run=$1 work=$2
  log=$work/vesk.log
  fail() { echo "FAIL: $*"; kill "$player" 2>/dev/null || true; exit 1; }
  player=""
  # The runs of effect $1 (a pattern) that the engine logged as they began.
  runs() { grep -c "transition effect index = $1 " "$log" || true; }
  shot() { import -window "$dialog" "$work/$1.png"; }
  # The number of pixels in which two pictures differ.
  differ() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
  # Up to 40 pairs of pictures 300 ms apart, until a pair differs (the first argument: yes) or
  # is the same (no); false when none did.
  pairs() {
    for i in $(seq 1 40); do
      shot a; sleep 0.3; shot b
      pixels=$(differ a b)
      if [ "$1" = yes ] && [ "$pixels" != 0 ]; then return 0; fi
      if [ "$1" = no ] && [ "$pixels" = 0 ]; then return 0; fi
    done
    return 1
  }
  # Polls `$@` every 0.2 s for up to 60 s.
  within() { for i in $(seq 1 300); do "$@" && return 0; sleep 0.2; done; return 1; }
  more_runs() { [ "$(runs "$1")" -gt "$2" ]; }

  "$wine_run" "$work/show.scr" /c &
  player=$!
  dialog=""
  for i in $(seq 1 600); do
    dialog=$(xdotool search --name "Screensaver Settings" 2>/dev/null | head -n 1) || true
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || fail "no dialog appeared"
  within grep -q "Show configuration dialog." "$log" || fail "the dialog did not start"
  sleep 1

  # General page: nothing moves and nothing runs.
  pairs no || fail "the General page changes by itself"
  [ "$(runs "[0-9]*")" = 0 ] || fail "effects ran before their page was shown"

  # Ctrl+Tab shows the Transition Effects page; Tab moves from its first box to the list.
  xdotool key ctrl+Tab
  sleep 0.3
  xdotool key Tab
  within more_runs 0 0 || fail "effect 0 did not run"
  pairs yes || fail "the pane does not move"
  # Where the two pictures differ lies right of the list, in the pane.
  left=$(convert "$work/a.png" "$work/b.png" -compose difference -composite -fuzz 1% -trim -format "%X" info: | tr -d +)
  width=$(identify -format %w "$work/a.png")
  [ "$left" -gt $((width / 2)) ] || fail "the change at x = $left is not in the pane (dialog $width wide)"

  # Down: the focus moves to effect 1, which then runs, and effect 0 no longer does.
  xdotool key Down
  within more_runs 1 0 || fail "effect 1 did not run after the focus moved"
  zeros=$(runs 0)
  within more_runs 1 1 || fail "effect 1 did not run again"
  [ "$(runs 0)" = "$zeros" ] || fail "effect 0 still runs"
  pairs yes || fail "the pane does not move with effect 1"

  # Ctrl+Tab twice: the Publisher page, then the General page; the preview rests.
  xdotool key ctrl+Tab
  sleep 0.3
  xdotool key ctrl+Tab
  sleep 0.5
  before=$(runs "[0-9]*")
  sleep 3
  [ "$(runs "[0-9]*")" = "$before" ] || fail "effects run while their page is hidden"
  pairs no || fail "the General page changes by itself after the preview"

  xdotool key Escape
  for i in $(seq 1 300); do kill -0 "$player" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$player" 2>/dev/null && fail "the dialog did not close"
  wait "$player"
' sh "$wine_run" "$work" || status=$?
WINEPREFIX="$(dirname "$wine_run")/wine/prefix-x11" wineserver -k 2>/dev/null || true
if [ "$status" -ne 0 ]; then tr -d '\r' <"$work/vesk.log" | tail -n 40; exit 1; fi
echo "effect preview: ok"
