#!/usr/bin/env bash
# Installs the MinGW-w64 cross compiler, Meson for the chart libraries, Wine
# to run its programs (with xwininfo to see their windows), and what
# packs them, skipping what is already there.
set -euo pipefail
. "$(dirname "$0")/../install-missing.sh"

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis zip unzip dpkg-dev python3 meson ninja-build x11-utils)

install_missing "${packages[@]}"
