#!/usr/bin/env bash
# Installs the MinGW-w64 cross compiler, Wine to run its programs, and what
# packs them, skipping what is already there.
set -euo pipefail
. "$(dirname "$0")/common.sh"

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis zip unzip dpkg-dev python3)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
