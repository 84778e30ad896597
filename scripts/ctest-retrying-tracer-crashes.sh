#!/usr/bin/env bash
# Runs ctest with the given arguments. LeakSanitizer's own tracer, which
# stops every thread to look for leaks at exit, now and then crashes on the
# threads GTK and Mesa leave running ("Tracer caught signal"); the test itself
# has passed by then. Only when that happened are the failed tests run once
# more, so a real failure, which fails again, still fails the run.
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ] && grep -q "Tracer caught signal" "$log"; then
    echo "LeakSanitizer's tracer crashed; running the failed tests once more."
    ctest --rerun-failed --output-on-failure
    status=$?
fi
exit "$status"
