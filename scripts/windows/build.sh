#!/usr/bin/env bash
# Cross-builds targets of the Windows build folder: build.sh FOLDER TARGET...
# Installs the toolchain and builds the toolkit into the cache first where
# they are missing (the toolkit once, about half an hour on two cores).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
root="$(cd "$here/../.." && pwd)"
build="$1"
shift

"$here/install-toolchain.sh"
"$here/enable-sources.sh"
"$here/toolkit-ready.sh" >/dev/null ||
    echo "Cross-building the toolkit into $SQUINX_WINDOWS_CACHE once (about half an hour on two cores)..."
prefix="$(nice -n 15 "$here/build-toolkit.sh")"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW64Toolchain.cmake" \
    -DSQUINX_WINDOWS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
nice -n 15 cmake --build "$build" -j"${JOBS:-2}" --target "$@"
