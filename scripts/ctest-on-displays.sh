#!/usr/bin/env bash
# Runs GUI tests side by side, each on a virtual display of its own: windows
# sharing one display compete for focus, windows on different displays do not.
#   ctest-on-displays.sh N [ctest arguments]
# Starts N Xvfb servers and runs ctest with N jobs; each GUI test process
# claims a free display by locking it (see the GUI test runner), and the
# processes it starts use that display too. Tests that claim none run on the
# first. CTEST_RUNNER replaces ctest, e.g. with a script that reruns tests, as
# long as it passes its arguments on to ctest.
set -euo pipefail
count=$1
shift
[ "$count" -ge 1 ] || count=1

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

displays=()
for ((i = 0; i < count; ++i)); do
    # Xvfb picks a free display number and writes it once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display$i" 2>"$work/xvfb$i.log" &
    pids+=($!)
done
for ((i = 0; i < count; ++i)); do
    for ((wait = 0; wait < 300; ++wait)); do
        [ -s "$work/display$i" ] && break
        kill -0 "${pids[$i]}" 2>/dev/null || { cat "$work/xvfb$i.log" >&2; exit 1; }
        sleep 0.1
    done
    [ -s "$work/display$i" ] || { echo "Xvfb did not start" >&2; exit 1; }
    displays+=("$(tr -d '[:space:]' <"$work/display$i")")
done

export DISPLAY=":${displays[0]}"
export SQUINX_TEST_DISPLAYS="${displays[*]}"
export SQUINX_TEST_DISPLAY_LOCKS="$work"
status=0
"${CTEST_RUNNER:-ctest}" -j "$count" "$@" || status=$?
exit "$status"
