#!/usr/bin/env bash
# Runs the Linux and the Windows program (under Wine) on the same command
# lines, each in its own copy of the shipped data, and compares their results:
# files converted byte for byte, quiz checks by verdict and report, pictures
# within a small tolerance. smoke-test.sh LINUX_PROGRAM WINDOWS_PROGRAM FOLDER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
linux="$1"
windows="$2"
work="$3"
wine_program="$(command -v wine64 || command -v wine)"
# Wine hands the program its arguments in UTF-16 from the locale's encoding;
# both programs then speak the same language too.
export LC_ALL=C.UTF-8

rm -rf "$work"
mkdir -p "$work"
cp -r "$root/data" "$work/linux"
cp -r "$root/data" "$work/windows"

# Runs one command line in both folders; the exit codes must agree, and the
# standard output too (Windows' line ends aside).
both() {
    local name="$1" linux_status=0 windows_status=0
    shift
    (cd "$work/linux" && "$linux" "$@" >"../$name.linux.out" 2>"../$name.linux.err") || linux_status=$?
    (cd "$work/windows" && "$wine_program" "$windows" "$@" >"../$name.windows.out" 2>"../$name.windows.err") ||
        windows_status=$?
    tr -d '\r' <"$work/$name.windows.out" >"$work/$name.windows.txt"
    if [ "$linux_status" != "$windows_status" ]; then
        echo "$name: Linux exits with $linux_status, Windows with $windows_status" >&2
        cat "$work/$name.windows.err" >&2
        return 1
    fi
    diff -u "$work/$name.linux.out" "$work/$name.windows.txt" >&2
}

# --convert of a shipped recording: the same bytes out of both.
converted() {
    both "convert-$2" --convert "recordings/$1" "$2" && cmp "$work/linux/$2" "$work/windows/$2"
}

checked_quiz() {
    both "check-$1" --check-quiz "quiz/$1.sqs"
}

# --hess or --nine of a shipped case: pictures alike within the tolerance.
chart() {
    both "$1-$2" "--$1" "cases/$2.sd" "$1-$2.png" &&
        python3 "$here/compare-png.py" "$work/linux/$1-$2.png" "$work/windows/$1-$2.png"
}

# Names outside every ANSI code page arrive whole, read and written.
unicode_names() {
    local name="cases/Δ-esotropia.sd"
    cp "$work/linux/cases/esotropia-left.sd" "$work/linux/$name"
    cp "$work/windows/cases/esotropia-left.sd" "$work/windows/$name"
    both measure-unicode --measure "$name" && converted sample.txt "Δ-converted.stx"
}

# The window itself: a case named on the command line opens in it, its name
# in the title (the view inside stays black under Wine's GL).
opens_case() {
    local pid opened=1
    (cd "$work/windows" && exec "$wine_program" "$windows" cases/esotropia-left.sd >"../open-case.out" 2>&1) &
    pid=$!
    for _ in $(seq 120); do
        if xwininfo -root -tree | grep -q 'esotropia-left\.sd\]"'; then
            opened=0
            break
        fi
        sleep 0.5
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return "$opened"
}

failures=0
passes=0
# Runs one check, named first, and counts it.
check() {
    local name="$1"
    shift
    if "$@"; then
        passes=$((passes + 1))
        echo "ok: $name"
    else
        failures=$((failures + 1))
        echo "FAILED: $name"
    fi
}

check "--convert of the shipped device export, byte for byte" converted sample.txt converted.stx
check "--convert of the shipped recording to the device's layout, byte for byte" converted sample.stx converted.txt
for quiz in quiz_en quiz_de; do
    check "--check-quiz on quiz/$quiz.sqs passes with the same report" checked_quiz "$quiz"
done
for case in esotropia-left sixth-nerve-palsy-right; do
    check "--hess of $case within tolerance" chart hess "$case"
    check "--nine of $case within tolerance" chart nine "$case"
done

check "names outside the code page, in --measure and --convert" unicode_names
check "the window opens a case named on the command line" opens_case

echo "smoke: $passes passed, $failures failed"
[ "$failures" = 0 ]
