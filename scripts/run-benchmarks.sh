#!/usr/bin/env bash
# Runs every benchmark that was built, from the prepared working folder; GL
# benchmarks need a display, so all of them run under Xvfb, on a screen of
# the size a lecture hall's projector has.
set -euo pipefail
build=$(realpath "${1:-build}")
export GDK_BACKEND=x11 NO_AT_BRIDGE=1
shopt -s nullglob
found=0
for exe in "$build"/bench/*/bench_*; do
    [ -x "$exe" ] || continue
    found=1
    echo "== $(basename "$exe")"
    (cd "$build/run" && xvfb-run -a -s "-screen 0 1920x1080x24" "$exe")
done
[ $found -eq 1 ] || echo "No benchmarks were built."
