#!/usr/bin/env bash
# Installs what building and testing ModStower needs on Debian 12. Run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libjpeg62-turbo-dev libpng-dev
    qt6-base-dev
    # The installation test and the desktop program's end-to-end test: a virtual
    # display with a small window manager, tools that drive and photograph it,
    # and the checkers of desktop entries and manual pages.
    desktop-file-utils man-db
    xvfb xauth openbox xdotool wmctrl imagemagick
)

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
