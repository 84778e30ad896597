#!/usr/bin/env bash
# Takes a screenshot of the main window under a virtual display, for the README.
set -euo pipefail
build=${1:-build}
out=${2:-docs/images/main-window.png}
mkdir -p "$(dirname "$out")"
out=$(realpath "$out")
exe=$(realpath "$build/squinx")
cd "$build/run"
export GDK_BACKEND=x11 NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$0" 2>/dev/null & pid=$!
    sleep 3
    import -window root -crop 660x600+0+0 +repage "$1"
    kill $pid' "$exe" "$out"
echo "Saved $out"
