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
    [ -d /usr/share/i18n/locales ] || scripts/apt_install_missing.sh locales > /dev/null || true
    $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8" 2> /dev/null || echo "No $locale locale: its language runs under Wine report a skip"
done
build=build/windows/build

# Fuzzing needs clang's sanitizers, a Linux build's.
(cd "$build" && nice -n 19 ctest -LE fuzz -j2 --output-on-failure --timeout 300)

# The installer, run silently as a user's click-through would: the program
# with nothing but its own folder to find DLLs and plugins in, its Start menu
# entry, ".cus" named as the tool's; then the uninstaller takes it all away.
export WINEPREFIX=$repo/build/windows/wine WINEDEBUG=-all
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
fail() { echo "FAIL: $*"; exit 1; }
"$wineserver" -k 2> /dev/null || true
"$wine" "build/windows/trevalo-$(sed -n 's/^project(trevalo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-windows-x64-setup.exe" /S
"$wineserver" -w
user_folder=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
installed=$user_folder/AppData/Local/Programs/trevalo
menu=$user_folder/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/TREVALO\ USB\ AP
[ -f "$installed/trevalo.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] || fail "the installer put no program in $installed"
[ -f "$menu/TREVALO USB AP.lnk" ] || fail "no Start menu entry in $menu"
reg() { "$wine" reg query "$1" 2> /dev/null | tr -d '\r'; }
reg 'HKCU\Software\Classes\.cus' | grep -q 'Trevalo.CusFile' || fail ".cus is not the tool's"
open_command=$(reg 'HKCU\Software\Classes\Trevalo.CusFile\shell\open\command' | sed -n 's/.*REG_SZ *//p')
exe='C:\users\'"$(basename "$user_folder")"'\AppData\Local\Programs\trevalo\trevalo.exe'
[ "$open_command" = "\"$exe\" \"%1\"" ] ||
    fail "a .cus file opens with '$open_command'"

# The real window, as a Windows user sees it: the `windows` platform on an X
# server, drawn by Wine; the installed program started from its Start menu
# entry, then as a .cus file opens it. (Wine reads file types from the
# machine's classes only, so the command registered is run as Explorer would.)
out=build/windows/screenshots
mkdir -p "$out"
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 20 display <&3 || fail "Xvfb did not start"
cleanup() { kill "$xvfb_pid" 2>/dev/null || true; "$wineserver" -k 2>/dev/null || true; }
trap cleanup EXIT
title="TREVALO USB AP v0.9"
export DISPLAY=":$display" WINEQT_QPA_PLATFORM=windows
window_shown() {
    for _ in $(seq 300); do
        xwininfo -name "$title" > /dev/null 2>&1 && return 0
        sleep 0.2
    done
    return 1
}
# The installer's Wine still runs without a display, and a window would go
# to it: a new one starts on the X server.
"$wineserver" -k 2> /dev/null || true
"$wineserver" -w 2> /dev/null || true
"$wine" start "$("$wine" winepath -w "$menu/TREVALO USB AP.lnk" 2> /dev/null | tr -d '\r')"
window_shown || fail "the Start menu entry showed no window titled \"$title\""
info=$(xwininfo -name "$title")
sleep 3  # Wine paints after mapping the window
geometry=$(awk '/Width:/ {w=$2} /Height:/ {h=$2} /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print w "x" h "+" x "+" y}' <<<"$info")
import -window root -crop "$geometry" +repage "$out/windows.png"
width=${geometry%%x*}
[ "$width" -ge 704 ] || fail "a window $geometry wide cannot hold the tab control"
# Something drawn: an empty or black window has a handful of colours.
colours=$(convert "$out/windows.png" -format %k info:)
[ "$colours" -gt 16 ] || fail "the window shows $colours colours: nothing drawn"
cp "$out/windows.png" docs/windows.png
"$wineserver" -k; "$wineserver" -w

# A workout record as the treadmill writes it: a date, the weight, a line a minute.
awk 'BEGIN {
    printf "2026/03/01 07:30\r\n165LBS\r\n"
    for (m = 0; m <= 20; m++)
        printf "%02d:00 %03d %03d %02d %4.2f %4.1f\r\n", m, m * 9, m ? 100 + m * 2 : 0, m % 8, m * 0.09, 3 + (m % 9) * 0.5
}' > "$out/QM20_REC.cus"
file=$("$wine" winepath -w "$repo/$out/QM20_REC.cus" 2> /dev/null | tr -d '\r')
"$wine" "$exe" "$file" &  # the command registered, as checked above
window_shown || fail "opening a .cus file showed no window"
pgrep -af 'trevalo\.exe' | grep -qF 'QM20_REC.cus' || fail "the tool was not given the file it opens"
sleep 3
import -window root -crop "$geometry" +repage "$out/opened.png"  # the Record tab, the workout shown
cp "$out/opened.png" docs/windows_record.png
"$wineserver" -k; "$wineserver" -w

"$wine" "${exe%trevalo.exe}uninstall.exe" /S
"$wineserver" -w
[ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed")"
[ ! -e "$menu" ] || fail "the uninstaller left the Start menu entry"
! "$wine" reg query 'HKCU\Software\Classes\.cus' > /dev/null 2>&1 || fail "the uninstaller left .cus to the tool"
echo "Windows part: $(( $(date +%s) - started )) s"
