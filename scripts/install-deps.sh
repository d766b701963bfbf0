#!/usr/bin/env bash
# Installs, with apt-get, whatever this project needs that the machine lacks.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    # lupdate and lrelease with their CMake functions, and Qt's own
    # translations of its dialogs and buttons.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    libsqlite3-dev
    clang libclang-rt-14-dev python3
    xvfb x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev file
    libxml2-utils shared-mime-info
    # "Arial" resolves to Liberation Sans; WenQuanYi has the full-width colon
    # and the Chinese and Japanese glyphs.
    fonts-liberation fonts-wqy-microhei
)

# Node.js and npm run the FIT test's reader; a machine that has them from
# elsewhere keeps its own.
command -v npm > /dev/null || packages+=(nodejs npm)
"$(dirname "$0")/apt_install_missing.sh" "${packages[@]}"

# Test-only tools from npm (Garmin's FIT SDK), exactly as the lock file says.
cd "$(dirname "$0")/.."
if ! cmp -s package-lock.json node_modules/.installed-lock.json 2>/dev/null; then
    npm ci --no-audit --no-fund --loglevel=error
    cp package-lock.json node_modules/.installed-lock.json
fi

# The Training Center XML schema, to validate the TCX files the tests write:
# Debian ships it inside pytrainer, taken apart here rather than installed.
schema=build/schemas/GarminTrainingCenterDatabase_v2.xsd
if [ ! -s "$schema" ]; then
    unpack=$(mktemp -d)
    (cd "$unpack" && apt-get download pytrainer > /dev/null 2>&1 || { apt-get update -qq && apt-get download pytrainer > /dev/null 2>&1; }) &&
        dpkg-deb -x "$unpack"/pytrainer_*.deb "$unpack/x" &&
        mkdir -p "$(dirname "$schema")" &&
        cp "$unpack/x/usr/share/pytrainer/schemas/GarminTrainingCenterDatabase_v2.xsd" "$schema" ||
        echo "The TCX schema could not be had; the TCX test validates without it." >&2
    rm -rf "$unpack"
fi
