#!/usr/bin/env bash
# Builds the fuzzers of fuzz/Fuzzers.cmake with clang and runs each for the
# given number of seconds, one after the other, on one core at low priority.
#   scripts/fuzz.sh [build folder] [seconds per fuzzer]
# FUZZ_TARGETS="fuzz_case_file ..." runs only those. FUZZ_TIMEOUT (seconds,
# default 5) is how long one input may take; libFuzzer counts wall-clock
# time, so on a busy machine raise it rather than report a hang that is not
# one. The corpus of each fuzzer grows in <build>/corpus/<name> from run to
# run; crashes, hangs and memory blow-ups land in <build>/findings/<name>
# with the fuzzer's log.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(realpath -m "${1:-build-fuzz}")
seconds=${2:-60}
timeout=${FUZZ_TIMEOUT:-5}

compiler=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$compiler" ]; then
    echo "make fuzz needs clang with its runtime libraries (Debian: clang libclang-rt-14-dev)." >&2
    exit 1
fi
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER="$compiler" >/dev/null
cmake --build "$build" --target fuzz-targets -j"${JOBS:-$(nproc)}"

# The fuzzers and their seeds, as fuzz/Fuzzers.cmake lists them: a fuzzer
# added there runs here without further ado.
all_targets=""
while read -r target kind seeds; do
    all_targets="$all_targets $target"
    mkdir -p "$build/corpus/$target"
    for file in $seeds; do
        if [ "$kind" = files ]; then
            cp "$file" "$build/corpus/$target/seed-$(basename "$file")"
            continue
        fi
        # Each line once with '0' and once with '1' before it.
        line_number=0
        while IFS= read -r line || [ -n "$line" ]; do
            line_number=$((line_number + 1))
            printf '0%s' "$line" >"$build/corpus/$target/seed-$(basename "$file")-$line_number-0"
            printf '1%s' "$line" >"$build/corpus/$target/seed-$(basename "$file")-$line_number-1"
        done <"$file"
    done
done <"$build/fuzzers.txt"

scratch=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/squinx-fuzz-XXXXXX")
trap 'rm -rf "$scratch"' EXIT

summary=()
for target in ${FUZZ_TARGETS:-$all_targets}; do
    findings="$build/findings/$target"
    mkdir -p "$findings"
    echo "== $target: $seconds s"
    touch "$findings/.start"
    # -jobs=1 runs the fuzzer in a child that logs to fuzz-0.log in the
    # current folder, so each fuzzer runs inside its findings folder.
    (cd "$findings" && TMPDIR="$scratch" nice -n 10 "$build/$target" -jobs=1 -workers=1 \
        -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -malloc_limit_mb=512 \
        -artifact_prefix="$findings/" -print_final_stats=1 \
        "$build/corpus/$target" >/dev/null 2>&1) || true
    runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$findings/fuzz-0.log" | grep -Eo '[0-9]+$' | tail -1 || true)
    found=$(find "$findings" -maxdepth 1 -type f -newer "$findings/.start" \( -name 'crash-*' -o -name 'timeout-*' \
        -o -name 'oom-*' -o -name 'leak-*' \) | wc -l)
    summary+=("$(printf '%-24s %12s executions  %s findings' "$target" "${runs:-?}" "$found")")
done

echo
printf '%s\n' "${summary[@]}"
failed=0
for line in "${summary[@]}"; do
    case $line in
    *" 0 findings") ;;
    *) failed=1 ;;
    esac
done
[ $failed -eq 0 ] || echo "Findings are in $build/findings/<fuzzer>; reproduce one with: $build/<fuzzer> <file>"
exit $failed
