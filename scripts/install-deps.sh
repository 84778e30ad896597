#!/usr/bin/env bash
# Installs the Debian packages Squinx needs to build, test and run, skipping
# what is already there so repeated runs stay fast.
set -euo pipefail

packages=(
    build-essential cmake pkg-config clang-format lld
    libwxgtk3.2-dev wx3.2-i18n libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libegl-dev libegl-mesa0 libx11-dev
    libcairo2-dev libpango1.0-dev
    googletest libgtest-dev libbenchmark-dev
    xvfb xauth
    librsvg2-bin desktop-file-utils libxml2-utils appstream shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
