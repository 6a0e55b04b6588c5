#!/bin/sh
# The player beside a vesk.log writes a Begin, its trace and an End; without one it creates none.
# usage: player_log.sh WINE-RUN SHOW.SCR WORKDIR
set -eu
wine_run=$1 show=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
cp "$show" "$work/show.scr"

fail() { echo "FAIL: $*"; [ -f "$work/vesk.log" ] && cat "$work/vesk.log"; exit 1; }

"$wine_run" "$work/show.scr" /s
[ ! -e "$work/vesk.log" ] || fail "the player created vesk.log"

: >"$work/vesk.log"
"$wine_run" "$work/show.scr" /s
"$wine_run" "$work/show.scr" /p 1234
log=$(tr -d '\r' <"$work/vesk.log")
[ "$(printf '%s\n' "$log" | grep -c -- '-Begin-')" = 2 ] || fail "expected two Begin banners"
[ "$(printf '%s\n' "$log" | grep -c -- '-End-')" = 2 ] || fail "expected two End banners"
printf '%s\n' "$log" | grep -q '^([-0-9]*)\[WinMain.cpp,([0-9]*)\] : \[[-0-9 :]*\] : CMD: .*show.scr.* /s$' \
  || fail "no CMD line for /s"
printf '%s\n' "$log" | grep -q 'CMD: .* /p 1234$' || fail "no CMD line for /p 1234"
echo "player log: ok"
