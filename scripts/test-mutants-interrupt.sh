#!/usr/bin/env bash
# The mutation runner stopped while a fault is planted leaves every source as
# it was: it is interrupted (SIGINT, then SIGTERM on a second run) as soon as
# its saved copy shows a planted fault, and the copy of the sources and the
# working tree are compared with what they held before. Then a list of
# equivalents naming one place of a change that a line makes twice marks that
# place only, and the change alone marks both.
# Usage: scripts/test-mutants-interrupt.sh [BUILD_FOLDER]   (default build-mutants-selftest)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-mutants-selftest}")
source_file=about/BrowserCommand.cpp   # a small library with one test executable
log="$build/selftest.log"
mkdir -p "$build"
cp "$root/src/$source_file" "$build/original"

for signal in INT TERM; do
    rm -f "$build/saved/pending.path"
    "$root/scripts/mutants.py" --build "$build" --files "$source_file" --limit 3 >"$log" 2>&1 &
    runner=$!
    # Bounded wait for the first planted fault: the first run builds the library.
    for _ in $(seq 1200); do
        [ -e "$build/saved/pending.path" ] && ! cmp -s "$build/tree/src/$source_file" "$root/src/$source_file" && break
        kill -0 "$runner" 2>/dev/null || break
        sleep 0.5
    done
    [ -e "$build/saved/pending.path" ] || { echo "FAIL: no fault was planted"; cat "$log"; exit 1; }
    kill -"$signal" "$runner"
    status=0
    wait "$runner" || status=$?
    [ "$status" -eq 130 ] || { echo "FAIL: SIG$signal ended the runner with $status, not 130"; cat "$log"; exit 1; }
    cmp "$build/tree/src/$source_file" "$root/src/$source_file" || { echo "FAIL: SIG$signal left the fault in the copy"; exit 1; }
    [ ! -e "$build/saved/pending.path" ] || { echo "FAIL: SIG$signal left a fault marked as planted"; exit 1; }
    grep -q "the sources are as they were" "$log" || { echo "FAIL: no word of the stop"; exit 1; }
done
cmp "$root/src/$source_file" "$build/original" || { echo "FAIL: the working tree's file changed"; exit 1; }

listed=quiz/RangeAnswer.cpp   # lines with the same change in two places
"$root/scripts/mutants.py" --build "$build" --files "$listed" --list --equivalents /dev/null >"$build/all.txt"
second=$(grep -m1 -E "^$listed:[0-9]+:[0-9]+ .* #2 \| " "$build/all.txt") || { echo "FAIL: no line with a change made twice"; exit 1; }
change=${second#* }; change=${change%% #2 | *}
text=${second#* | }
line=${second#$listed:}; line=${line%%:*}
marked() {
    printf '%s | %s | %s | self-test\n' "$listed" "$text" "$1" >"$build/equivalents.txt"
    "$root/scripts/mutants.py" --build "$build" --files "$listed" --list --equivalents "$build/equivalents.txt" |
        grep -F " (equivalent) | " | cut -d' ' -f1 | tr '\n' ' '
}
places() { grep -E "^$listed:$line:" "$build/all.txt" | grep -F " $change #$1" | cut -d' ' -f1 | tr '\n' ' '; }
[ "$(marked "$change #2")" = "$(places "2 ")" ] ||
    { echo "FAIL: '$change #2' on line $line marks $(marked "$change #2")"; exit 1; }
[ "$(marked "$change")" = "$(places "")" ] ||
    { echo "FAIL: '$change' alone on line $line marks $(marked "$change")"; exit 1; }
echo "PASS: interrupted twice while a fault was planted; the sources are as they were; one place of a change is marked alone"
