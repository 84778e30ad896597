#!/usr/bin/env bash
# Cross-builds the unit tests and the zip and runs them under Wine, with the
# command line's results compared against the Linux build's:
# test.sh WINDOWS_FOLDER LINUX_FOLDER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
root="$(cd "$here/../.." && pwd)"
windows_build="$(realpath -m "$1")"
linux_build="$(realpath -m "$2")"

"$here/build.sh" "$windows_build" unit-tests windows-package
[ -f "$linux_build/CMakeCache.txt" ] || cmake -S "$root" -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice -n 15 cmake --build "$linux_build" -j"${JOBS:-2}" --target squinx

xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")

# One Wine prefix in the cache, made once; a wineserver kept alive for the
# whole run spares every test program Wine's start-up.
export WINEPREFIX="$SQUINX_WINDOWS_CACHE/wine" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix $WINEPREFIX once..."
    wine wineboot --init >/dev/null 2>&1
fi
wineserver -p 2>/dev/null || true  # one already running serves as well
trap 'wineserver -k 2>/dev/null || true' EXIT
# Wine's own services start with the first program and would hold that
# program's output open long after it ended: started here, they hold nothing.
wine cmd /c exit >/dev/null 2>&1 </dev/null

# Windows' OpenGL, which draws the nine positions, needs a display under Wine.
# Wine now and then ends a program before its first line, with no output: a
# test failing so runs once more.
(cd "$windows_build" && "${xvfb[@]}" ctest -L unit --no-tests=error --output-on-failure --repeat until-pass:2 -j"${JOBS:-2}")
# The zip's program, as a user unpacks it.
unpacked="$windows_build/unpacked"
rm -rf "$unpacked"
unzip -q "$windows_build"/Squinx-*-windows-x64.zip -d "$unpacked"
"${xvfb[@]}" "$here/smoke-test.sh" "$linux_build/squinx" "$(echo "$unpacked"/Squinx-*/Squinx.exe)" "$windows_build/smoke"
