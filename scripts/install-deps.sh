#!/usr/bin/env bash
# Installs the Debian packages Squinx needs to build, test and run, skipping
# what is already there so repeated runs stay fast.
set -euo pipefail
. "$(dirname "$0")/install-missing.sh"

packages=(
    build-essential cmake pkg-config clang-format lld
    libwxgtk3.2-dev wx3.2-i18n libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libegl-dev libegl-mesa0 libx11-dev
    libcairo2-dev libpango1.0-dev
    googletest libgtest-dev libbenchmark-dev
    xvfb xauth
    librsvg2-bin desktop-file-utils libxml2-utils appstream shared-mime-info
)

install_missing "${packages[@]}"
