#!/bin/sh
# The real player full screen under Xvfb: after its 2 s arming a mouse movement closes it, the log
# shows the close, and the window leaves no file in the temporary folder beyond the desktop
# snapshot and the runtime libraries, which stay there by design.
# usage: close_on_mouse_move.sh WINE-RUN SHOW.SCR WORKDIR XVFB-SHOW.SH
set -eu
wine_run=$1 show=$2 work=$3 xvfb_show=$4
rm -rf "$work"
mkdir -p "$work"
cp "$show" "$work/show.scr"

temp_listing() {
  find "$(dirname "$wine_run")"/wine/prefix-x11/drive_c/users/*/Temp -type f \
       ! -name veskdsk.bmp ! -name Expic.dll 2>/dev/null | sort
}
before=$(temp_listing)
output=$(sh "$xvfb_show" "$wine_run" "$work/show.scr") || { echo "$output"; echo "FAIL: the show did not close"; exit 1; }
after=$(temp_listing)

fail() { echo "$output"; echo "FAIL: $*"; exit 1; }
log=$(printf '%s\n' "$output" | tr -d '\r')
for line in "Close Event : WM_MOUSEMOVE_A" "Close Query" "CanClose : yes" "notify windows screensaver is stopped!"; do
  printf '%s\n' "$log" | grep -q -- "$line" || fail "no '$line' in the log"
done
printf '%s\n' "$log" | tail -n 1 | grep -q -- '-End-' || fail "the log does not end"
[ "$before" = "$after" ] || fail "files were left in the temporary folder: $(printf '%s\n' "$after" | grep -vxF "$before")"
echo "close on mouse move: ok"
