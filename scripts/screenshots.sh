#!/usr/bin/env bash
# Renews the screenshots of the README (English) and of both help books,
# taken from the program itself under a virtual display.
set -euo pipefail
build=${1:-build}
command -v import >/dev/null || { echo "screenshots need ImageMagick: apt-get install imagemagick" >&2; exit 1; }
cmake --build "$build" --target take_screenshots >/dev/null
export GDK_BACKEND=x11 NO_AT_BRIDGE=1
shoot() {
    xvfb-run -a -s "-screen 0 1280x1024x24" "$build/src/app/tools/take_screenshots" data "$2" "$1" "${@:3}" 2>/dev/null
}
# English once: the README takes the pictures it names, the English help
# book the rest but the toolbar's legend.
english="$(mktemp -d)"
trap 'rm -rf "$english"' EXIT
shoot English.lan "$english" toolbar
for picture in "$english"/*.png; do
    [ "$(basename "$picture")" = toolbar.png ] || cp "$picture" data/help/en/images/
done
grep -o 'docs/images/[a-z0-9-]*\.png' README.md | sort -u | while read -r picture; do
    cp "$english/$(basename "$picture")" docs/images/
done
shoot Deutsch.lan data/help/de/images
