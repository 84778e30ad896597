#!/usr/bin/env bash
# Runs every benchmark that was built; GL benchmarks need a display, so all run under Xvfb.
set -euo pipefail
build=${1:-build}
shopt -s nullglob
found=0
for exe in "$build"/bench/*/bench_*; do
    [ -x "$exe" ] || continue
    found=1
    echo "== $(basename "$exe")"
    (cd "$build/run" && xvfb-run -a -s "-screen 0 1280x1024x24" "$OLDPWD/$exe")
done
[ $found -eq 1 ] || echo "No benchmarks built."
