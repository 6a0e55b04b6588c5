#!/bin/sh
# The soak run: the demo show (pictures in every format, the video, two music tracks) with a
# pause of one second between items, full screen under Xvfb, for CHANGES item changes, while the
# sampler watches the player's resources.
# usage: soak.sh NATIVE-BUILD WIN32-BUILD OUTPUT-FOLDER CHANGES
set -eu
native=$1 win32=$2 out=$3 changes=$4
here=$(dirname "$0")
sh "$here/../../scripts/make-demo.sh" "$native" "$win32" "$out" >/dev/null
sed 's/"mediaPauseSeconds": *[0-9]*/"mediaPauseSeconds": 1/' "$out/show.json" >"$out/soak.json"
grep -q '"mediaPauseSeconds": 1' "$out/soak.json" || { echo "soak: the demo manifest has no pause to shorten"; exit 1; }
"$native/scrpack" build "$out/soak.json" -o "$out/soak.scr" --player "$win32/player.scr" >/dev/null

show=$(printf 'Z:%s' "$(cd "$out" && pwd)/soak.scr" | tr / '\\')
status=0
# A Wine prefix of its own: the soak's Wine server serves only its X display, so tests and benches
# may run beside it.
export WINE_DISPLAY_KIND=x11-soak
xvfb-run -a -s "-screen 0 1280x1024x24" "$win32/wine-run" "$win32/tests/soak/soak_sampler.exe" "$show" "$changes" ||
  status=$?
# A Wine server left from this X display must not serve the next one.
WINEPREFIX="$(cd "$win32" && pwd)/wine/prefix-$WINE_DISPLAY_KIND" wineserver -k 2>/dev/null || true
exit $status
