#!/usr/bin/env bash
# Cross-builds, once, the static libraries Squinx.exe links: zlib, libpng and
# expat, wxWidgets 3.2 with OpenGL, and GoogleTest, all from the distribution's
# source packages, into a prefix in the cache named after wxWidgets' version;
# then the charts' Cairo and Pango (build-cairo.sh). A prefix without its
# completion mark is built again from scratch.
# Prints the prefix.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
root="$(cd "$here/../.." && pwd)"
jobs="${JOBS:-2}"

prefix="$(toolkit_prefix)" || { echo "No source package for wxwidgets3.2; run enable-sources.sh first." >&2; exit 1; }
if [ -f "$prefix/.complete" ]; then
    "$here/build-cairo.sh" "$prefix" >&2
    echo "$prefix"
    exit 0
fi

work="$SQUINX_WINDOWS_CACHE/work"
rm -rf "$prefix" "$work"
mkdir -p "$prefix" "$work"
cd "$work"
started=$(date +%s)

export CC="$SQUINX_WINDOWS_HOST-gcc-posix" CXX="$SQUINX_WINDOWS_HOST-g++-posix"
export AR="$SQUINX_WINDOWS_HOST-ar" RANLIB="$SQUINX_WINDOWS_HOST-ranlib" RC="$SQUINX_WINDOWS_HOST-windres"
export CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"

for package in zlib libpng1.6 expat wxwidgets3.2; do fetch_source "$package"; done
for dsc in *.dsc; do dpkg-source --no-check -x "$dsc" >&2; done

(
    cd zlib-*/
    CHOST="$SQUINX_WINDOWS_HOST" ./configure --static --prefix="$prefix"
    make -j"$jobs" libz.a
    make install
) >&2

(
    cd libpng1.6-*/
    ./configure --host="$SQUINX_WINDOWS_HOST" --build="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE)" \
        --prefix="$prefix" --disable-shared --enable-static
    make -j"$jobs"
    make install
) >&2

(
    # Without DTDs, which the toolkit's XML does not read: the distribution's
    # fixes assume the autotools build's value of XML_DTD, which CMake leaves empty.
    cmake -S expat-*/expat -B expat-build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW64Toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DEXPAT_SHARED_LIBS=OFF \
        -DEXPAT_DTD=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF
    cmake --build expat-build -j"$jobs"
    cmake --install expat-build
) >&2

(
    cd wxwidgets3.2-*/
    mkdir -p build-msw
    cd build-msw
    ../configure --host="$SQUINX_WINDOWS_HOST" --build="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE)" --prefix="$prefix" \
        --with-msw --with-opengl --disable-shared --enable-unicode \
        --with-zlib=sys --with-libpng=sys --with-expat=sys --with-regex=builtin \
        --without-libjpeg --without-libtiff --without-liblzma --without-libcurl \
        --disable-webview --disable-mediactrl --disable-stc --disable-richtext --disable-ribbon \
        --disable-propgrid --disable-aui --disable-sound --disable-webrequest
    make -j"$jobs"
    make install
) >&2

(
    cmake -S /usr/src/googletest -B gtest -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW64Toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON
    cmake --build gtest -j"$jobs"
    cmake --install gtest
) >&2

cd /
rm -rf "$work"
echo "built in $(($(date +%s) - started)) s on $(date -u +%FT%TZ)" >"$prefix/.complete"
"$here/build-cairo.sh" "$prefix" >&2
echo "$prefix"
