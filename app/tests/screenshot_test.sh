#!/usr/bin/env bash
# Starts the real program on a real X server, waits for its window, takes a
# screenshot and checks a few pixels of it: the first speed lamp is green,
# its corner black, the lamp above grey. An optional third argument is the
# display scale (QT_SCALE_FACTOR), 1 by default. Exits with 77, which ctest
# reports as a skip, where the X tools are not installed.
set -euo pipefail
program=$1
out=${2:-screenshots}
scale=${3:-1}
for tool in Xvfb xwininfo import /usr/bin/convert; do
    command -v "$tool" > /dev/null || { echo "SKIP: needs $tool (packages xvfb, x11-utils, imagemagick)"; exit 77; }
done
mkdir -p "$out"
export QT_SCALE_FACTOR=$scale
# The real window on the X server, whatever platform the environment asks for.
export QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*" >&2; exit 1; }

exec 3< <(Xvfb -displayfd 1 -screen 0 1600x1440x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 20 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
"$program" &
app_pid=$!
cleanup() { kill "$app_pid" "$xvfb_pid" 2>/dev/null || true; wait 2>/dev/null || true; }
trap cleanup EXIT

title="TREVALO USB AP v0.9"
for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; then break; fi
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
done
info=$(xwininfo -name "$title") || fail "no window titled \"$title\""
left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
at() { echo $(( $1 * scale )); }  # logical pixels to device pixels (whole scales only)
[ "$width" -ge "$(at 704)" ] && [ "$height" -ge "$(at 667)" ] || fail "window of ${width}x${height} cannot hold the tab control"
sleep 0.5  # let the first paint land

shot="$out/edit_tab_${scale}x.png"
import -display "$DISPLAY" -window root -crop "${width}x${height}+${left}+${top}" +repage "$shot"
[ -s "$shot" ] || fail "no screenshot"

# Bottom lamp of segment 1: tab (8,8) + frame (8,24) + lamp (8,156); centre (34,198).
pixel() { /usr/bin/convert "$shot" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$1+$2" info:; }
expect() {
    local got
    got=$(pixel "$(at "$1")" "$(at "$2")")
    [ "$got" = "$3" ] || fail "$4 is $got, not $3"
}
expect 34 198 "0,255,0" "the bottom speed lamp"
expect 24 188 "0,0,0" "the bottom speed lamp's corner"
expect 34 178 "208,208,208" "the second speed lamp"
echo "screenshot: $shot"
