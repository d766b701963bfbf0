#!/usr/bin/env bash
# Starts the real program on a real X server, waits for its window, takes a
# screenshot and checks a few pixels of it: the first speed lamp is green,
# its corner black, the lamp above grey. An optional third argument is the
# display scale (QT_SCALE_FACTOR), 1 by default. An optional fourth is a
# language (as LANGUAGE gives it, "de", "zh_CN"): the window is then also
# photographed on the Record tab, showing a workout of a record file made
# here. Exits with 77, which ctest reports as a skip, where the X tools are
# not installed.
set -euo pipefail
program=$1
out=${2:-screenshots}
scale=${3:-1}
language=${4:-}
for tool in Xvfb xwininfo import /usr/bin/convert; do
    command -v "$tool" > /dev/null || { echo "SKIP: needs $tool (packages xvfb, x11-utils, imagemagick)"; exit 77; }
done
mkdir -p "$out"
export QT_SCALE_FACTOR=$scale
# The real window on the X server, whatever platform the environment asks for.
export QT_QPA_PLATFORM=xcb
if [ -n "$language" ]; then
    export LANGUAGE=$language
    suffix="_${language}_${scale}x"
else
    suffix="_${scale}x"
fi

fail() { echo "FAIL: $*" >&2; exit 1; }

exec 3< <(Xvfb -displayfd 1 -screen 0 1600x1440x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 20 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
app_pid=""
cleanup() { kill $app_pid "$xvfb_pid" 2>/dev/null || true; wait 2>/dev/null || true; }
trap cleanup EXIT

title="TREVALO USB AP v0.9"
at() { echo $(( $1 * scale )); }  # logical pixels to device pixels (whole scales only)

# shoot FILE [ARGUMENT]: the program's window, started with ARGUMENT, into FILE.
shoot() {
    "$program" ${2:+"$2"} &
    app_pid=$!
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
    [ "$width" -ge "$(at 704)" ] && [ "$height" -ge "$(at 667)" ] || fail "window of ${width}x${height} cannot hold the tab control"
    sleep 0.5  # let the first paint land
    import -display "$DISPLAY" -window root -crop "${width}x${height}+${left}+${top}" +repage "$1"
    [ -s "$1" ] || fail "no screenshot"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}

shot="$out/edit_tab$suffix.png"
shoot "$shot"

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

if [ -n "$language" ]; then
    # A 25-minute walk and run, as the treadmill logs it: a sample every 75 s.
    records="$out/QM20_REC.cus"
    {
        printf '2026/12/05 07:05\r\n165LBS\r\n'
        for i in $(seq 0 20); do
            s=$(( i * 75 ))
            speed=$(( i < 2 ? 30 : i < 6 ? 50 : 60 + i % 3 * 5 ))
            printf '%02d:%02d %03d %3d %02d %d.%02d %4s\r\n' $(( s / 60 )) $(( s % 60 )) $(( i * 6 )) $(( 90 + i * 3 )) \
                $(( i < 3 ? 1 : i < 12 ? 3 : 6 )) $(( i * 11 / 100 )) $(( i * 11 % 100 )) "$(( speed / 10 )).$(( speed % 10 ))"
        done
    } > "$records"
    shot="$out/record_tab$suffix.png"
    shoot "$shot" "$records"
    echo "screenshot: $shot"
fi
