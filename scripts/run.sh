#!/usr/bin/env bash
# Starts Squinx in its prepared working folder.
set -euo pipefail
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "make run: no display found (DISPLAY is not set)." >&2
    echo "Start Squinx from a desktop session, or under a virtual display: xvfb-run make run" >&2
    exit 1
fi
cd "$build/run"
exec ../squinx
