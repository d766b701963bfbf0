#!/bin/sh
# Runs a cross-built Windows program under Wine, as the Windows build's tests
# do (CMAKE_CROSSCOMPILING_EMULATOR): the shared Qt's wine-run.sh with a Wine
# prefix of the build's own, made once, in which "Arial" is Liberation Sans,
# so that the layout checks measure the same font as on Linux, and R: is a
# removable drive, a stick for the dialogs.
# QT_HOME: the unpacked Qt (build/windows/qt6.4.2-mingw-w64 by default).
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$repo/build/windows
export QT_HOME=${QT_HOME:-$out/qt6.4.2-mingw-w64}
export WINEPREFIX=${WINEPREFIX:-$out/wine}
export WINEDEBUG=${WINEDEBUG:--all}
if [ ! -f "$WINEPREFIX/.trevalo-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.trevalo-ready" ]; then
            WINEDLLOVERRIDES="mscoree,mshtml=" /usr/lib/wine/wine64 wineboot -i > /dev/null 2>&1
            key='HKCU\Software\Wine\Fonts\Replacements'
            for face in Arial "Times New Roman" "Courier New"; do
                case $face in Arial) with="Liberation Sans" ;; Times*) with="Liberation Serif" ;; *) with="Liberation Mono" ;; esac
                /usr/lib/wine/wine64 reg add "$key" /v "$face" /d "$with" /f > /dev/null 2>&1
            done
            # A removable drive, R:, for the dialogs' start folder.
            mkdir -p "$out/stick" && ln -sfn "$out/stick" "$WINEPREFIX/dosdevices/r:"
            /usr/lib/wine/wine64 reg add 'HKLM\Software\Wine\Drives' /v r: /d floppy /f > /dev/null 2>&1
            /usr/lib/wine/wineserver -w
            touch "$WINEPREFIX/.trevalo-ready"
        fi
    ) 9> "$out/.wine-prefix.lock"
fi
# The offscreen platform of a Windows Qt reads fonts only from a folder:
# Liberation Sans, metrically Arial, and WenQuanYi for Chinese and Japanese.
fonts=$out/fonts
if [ ! -d "$fonts" ]; then
    mkdir -p "$fonts"
    ln -sf /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/" 2> /dev/null
fi
export WINEQT_QPA_FONTDIR=${WINEQT_QPA_FONTDIR:-Z:$fonts}
exec "${TREVALO_WINE_RUN:-$repo/../shared/toolchains/wine-run.sh}" "$@"
