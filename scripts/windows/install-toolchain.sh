#!/usr/bin/env bash
# Installs the MinGW-w64 cross compiler, Wine to run its programs, and what
# packs them, skipping what is already there.
set -euo pipefail
. "$(dirname "$0")/../install-missing.sh"

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis zip unzip dpkg-dev python3)

install_missing "${packages[@]}"
