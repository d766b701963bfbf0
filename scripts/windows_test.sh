#!/usr/bin/env bash
# The Windows part of the test command: builds the Windows program and its
# tests (scripts/windows.sh --tests, which also writes the zip and the
# installer), runs every library's tests and the window tests (offscreen)
# under Wine, and photographs the real window on Xvfb with Qt's `windows`
# platform into docs/windows.png. Reports a skip, with the reason, where
# MinGW-w64, Wine or the shared Qt is missing (a packager's Linux build).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
qt_archive=${TREVALO_QT_ARCHIVE:-$repo/../shared/toolchains/qt6.4.2-mingw-w64.tar.xz}
skip() { echo "SKIP: Windows build and tests: $*"; exit 0; }
[ -r "$qt_archive" ] || skip "no Qt for MinGW-w64 at $qt_archive"
# windows.sh installs what is missing; without root or sudo it cannot.
if [ "$(id -u)" -ne 0 ] && ! sudo -n true 2> /dev/null; then
    command -v x86_64-w64-mingw32-g++-posix > /dev/null || skip "needs MinGW-w64 (g++-mingw-w64-x86-64-posix)"
    command -v wine > /dev/null || skip "needs Wine (wine64)"
    command -v makensis > /dev/null || skip "needs NSIS (nsis)"
fi
started=$(date +%s)
scripts/windows.sh --tests

# Wine gives a Windows program the language of LC_ALL's locale, which exists
# only once made; without them the language runs report a skip.
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo -n"
for locale in de_DE es_ES fr_FR ja_JP zh_CN zh_TW; do
    locale -a 2> /dev/null | grep -qx "$locale.utf8" && continue
    [ -d /usr/share/i18n/locales ] || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends locales > /dev/null || true
    $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8" 2> /dev/null || echo "No $locale locale: its language runs under Wine report a skip"
done
build=build/windows/build

# Fuzzing needs clang's sanitizers, a Linux build's.
(cd "$build" && nice -n 19 ctest -LE fuzz -j2 --output-on-failure --timeout 300)

# The real window, as a Windows user sees it: the `windows` platform on an X
# server, drawn by Wine.
out=build/windows/screenshots
mkdir -p "$out"
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 20 display <&3 || { echo "FAIL: Xvfb did not start"; exit 1; }
cleanup() { kill "$xvfb_pid" 2>/dev/null || true; WINEPREFIX=$repo/build/windows/wine /usr/lib/wine/wineserver -k 2>/dev/null || true; }
trap cleanup EXIT
# The tests left the prefix's Wine running without a display, and a window
# would go to that: a new one starts on the X server.
WINEPREFIX=$repo/build/windows/wine /usr/lib/wine/wineserver -k 2> /dev/null || true
WINEPREFIX=$repo/build/windows/wine /usr/lib/wine/wineserver -w 2> /dev/null || true
title="TREVALO USB AP v0.9"
DISPLAY=":$display" WINEQT_QPA_PLATFORM=windows scripts/wine_run.sh "$build/app/trevalo.exe" &
app=$!
for _ in $(seq 300); do
    DISPLAY=":$display" xwininfo -name "$title" > /dev/null 2>&1 && break
    kill -0 "$app" 2>/dev/null || { echo "FAIL: trevalo.exe ended before showing its window"; exit 1; }
    sleep 0.2
done
info=$(DISPLAY=":$display" xwininfo -name "$title") || { echo "FAIL: no window titled \"$title\""; exit 1; }
sleep 3  # Wine paints after mapping the window
geometry=$(awk '/Width:/ {w=$2} /Height:/ {h=$2} /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print w "x" h "+" x "+" y}' <<<"$info")
import -display ":$display" -window root -crop "$geometry" +repage "$out/windows.png"
kill "$app" 2>/dev/null || true
width=${geometry%%x*}
[ "$width" -ge 704 ] || { echo "FAIL: a window $geometry wide cannot hold the tab control"; exit 1; }
# Something drawn: an empty or black window has a handful of colours.
colours=$(convert "$out/windows.png" -format %k info:)
[ "$colours" -gt 16 ] || { echo "FAIL: the window shows $colours colours: nothing drawn"; exit 1; }
cp "$out/windows.png" docs/windows.png
echo "Windows part: $(( $(date +%s) - started )) s"
