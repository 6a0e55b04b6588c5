#!/bin/sh
# The player started with the switches that end by themselves, beside a vesk.log, logs a Begin,
# its start-up lines in order and an End; without a vesk.log it creates none. (The switches that
# open the screen window or the configuration dialog are covered by the tests that can close them.)
# usage: player_log.sh WINE-RUN SHOW.SCR WORKDIR
set -eu
wine_run=$1 show=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
cp "$show" "$work/show.scr"

fail() { echo "FAIL: $*"; [ -f "$work/vesk.log" ] && cat "$work/vesk.log"; exit 1; }

"$wine_run" "$work/show.scr" -a 5
[ ! -e "$work/vesk.log" ] || fail "the player created vesk.log"

# Each run's messages, without ticks, sources and times.
messages() { tr -d '\r' <"$work/vesk.log" | sed -e 's/^([-0-9]*)\[app\.cpp,([0-9]*)\] : //' -e 's/^\[[-0-9 :]*\] : //'; }

expect() {  # expect ARGUMENTS MODE-LINE
  : >"$work/vesk.log"
  # shellcheck disable=SC2086
  "$wine_run" "$work/show.scr" $1
  got=$(messages | sed -n '2,4p')
  want=$(printf 'CMD: "%s" %s\nscreensaver file : %s\n%s' "$(winepath)" "$1" "$(winepath)" "$2")
  [ "$got" = "$want" ] || fail "for '$1' expected:
$want
got:
$got"
  messages | head -n 1 | grep -q -- '-Begin-' || fail "no Begin for '$1'"
  messages | tail -n 1 | grep -q -- '-End-' || fail "no End for '$1'"
}
winepath() { printf 'Z:%s' "$work/show.scr" | tr / '\\'; }

expect "-a 5" "start mode : change password"
expect "/a 5" "checking password in win9x"
echo "player log: ok"
