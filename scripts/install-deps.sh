#!/usr/bin/env bash
# Installs, with apt-get, whatever this project needs that the machine lacks.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev python3
    xvfb x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev file
    # "Arial" resolves to Liberation Sans; WenQuanYi has the full-width colon.
    fonts-liberation fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
