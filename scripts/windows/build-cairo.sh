#!/usr/bin/env bash
# Cross-builds, once, what the charts draw with on Windows: Cairo (with its
# pixman) and Pango (with GLib, libffi, PCRE2, FriBidi and HarfBuzz), static,
# from the distribution's source packages, into the toolkit's prefix, which
# already holds zlib and libpng: build-cairo.sh PREFIX.
# Pango draws through Windows' own fonts, so no FreeType or Fontconfig.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
prefix="$1"
jobs="${JOBS:-2}"
mark="$prefix/.cairo-complete"
[ -f "$mark" ] && exit 0

work="$SQUINX_WINDOWS_CACHE/work-cairo"
rm -rf "$work"
mkdir -p "$work"
cd "$work"
started=$(date +%s)
build_type="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE)"

export CC="$SQUINX_WINDOWS_HOST-gcc-posix" CXX="$SQUINX_WINDOWS_HOST-g++-posix"
export AR="$SQUINX_WINDOWS_HOST-ar" RANLIB="$SQUINX_WINDOWS_HOST-ranlib" RC="$SQUINX_WINDOWS_HOST-windres"
export CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH=""

for package in pixman cairo libffi pcre2 glib2.0 fribidi harfbuzz pango1.0; do fetch_source "$package"; done
for dsc in *.dsc; do dpkg-source --no-check -x "$dsc" >&2; done

cat >cross.ini <<EOF
[binaries]
c = '$CC'
cpp = '$CXX'
ar = '$AR'
strip = '$SQUINX_WINDOWS_HOST-strip'
windres = '$RC'
pkgconfig = 'pkg-config'

[built-in options]
c_args = ['-I$prefix/include', '-DCAIRO_WIN32_STATIC_BUILD']
cpp_args = ['-I$prefix/include', '-DCAIRO_WIN32_STATIC_BUILD']
c_link_args = ['-L$prefix/lib']
cpp_link_args = ['-L$prefix/lib']

[properties]
pkg_config_libdir = '$PKG_CONFIG_LIBDIR'

[host_machine]
system = 'windows'
cpu_family = 'x86_64'
cpu = 'x86_64'
endian = 'little'
EOF

# Configures an autotools package for static Windows libraries.
configure_static() {
    ./configure --host="$SQUINX_WINDOWS_HOST" --build="$build_type" --prefix="$prefix" \
        --disable-shared --enable-static "$@"
}

# Static libraries for Windows, no tests, no documentation.
meson_build() {
    local name="$1" sources
    shift
    sources=("$name"-[0-9]*/)
    meson setup "$name.build" "${sources[0]}" --cross-file cross.ini --prefix="$prefix" --libdir=lib \
        --buildtype=release --default-library=static --wrap-mode=nodownload "$@"
    ninja -C "$name.build" -j"$jobs"
    ninja -C "$name.build" install
}

meson_build pixman -Dtests=disabled -Dgtk=disabled -Dlibpng=disabled -Dopenmp=disabled >&2

# Only the library: Cairo's tools and tests are not needed. A static Cairo
# must tell its users so, or its header asks for a DLL's imports. The
# distribution's patches to its build files serve its own packaging only:
# upstream's generated files, dated after them, keep make from regenerating.
# Cairo asks for fortified string functions, which MinGW keeps in a library
# of their own.
(
    cd cairo-*/
    find . \( -name aclocal.m4 -o -name configure -o -name Makefile.in -o -name config.h.in \) -exec touch {} +
    configure_static CFLAGS="-O2 -Wp,-U_FORTIFY_SOURCE" \
        --enable-win32 --enable-win32-font --enable-png --enable-pdf --enable-svg --enable-ps \
        --disable-xlib --disable-xcb --disable-ft --disable-fc --disable-gobject --disable-interpreter \
        --disable-script --disable-trace --disable-full-testing --disable-gtk-doc
    make -C src -j"$jobs"
    make -C src install
    sed -i 's/^Cflags: \(.*\)$/Cflags: \1 -DCAIRO_WIN32_STATIC_BUILD/' "$prefix/lib/pkgconfig/cairo.pc"
) >&2

(
    cd libffi-*/
    configure_static --disable-docs --disable-multi-os-directory
    make -j"$jobs"
    make install
) >&2

# The libraries alone: PCRE2's POSIX test does not link statically for Windows.
(
    cd pcre2-*/
    configure_static --disable-pcre2-16 --disable-pcre2-32 --enable-pcre2-8
    make -j"$jobs" libpcre2-8.la libpcre2-posix.la
    make install-libLTLIBRARIES install-includeHEADERS install-nodist_includeHEADERS install-pkgconfigDATA
) >&2

# GLib asks for a libintl; Pango's messages are never shown, so a library
# that hands every text back untranslated serves.
(
    cat >intl.c <<'EOF'
char* gettext(const char* id) { return (char*)id; }
char* dgettext(const char* domain, const char* id) { (void)domain; return (char*)id; }
char* dcgettext(const char* domain, const char* id, int category) { (void)domain; (void)category; return (char*)id; }
char* ngettext(const char* id, const char* plural, unsigned long n) { return (char*)(n == 1 ? id : plural); }
char* dngettext(const char* domain, const char* id, const char* plural, unsigned long n) { (void)domain; return (char*)(n == 1 ? id : plural); }
char* dcngettext(const char* domain, const char* id, const char* plural, unsigned long n, int category) { (void)domain; (void)category; return (char*)(n == 1 ? id : plural); }
char* textdomain(const char* domain) { return (char*)(domain ? domain : "messages"); }
char* bindtextdomain(const char* domain, const char* dir) { (void)domain; return (char*)dir; }
char* bind_textdomain_codeset(const char* domain, const char* codeset) { (void)domain; return (char*)codeset; }
EOF
    cat >"$prefix/include/libintl.h" <<'EOF'
#pragma once
#include <locale.h>
/* As GNU gettext's header: Windows has no message locale category, and a
   translation keeps the format checks of its text. */
#ifndef LC_MESSAGES
#define LC_MESSAGES 1729
#endif
#ifdef __cplusplus
extern "C" {
#endif
char* gettext(const char* id) __attribute__((format_arg(1)));
char* dgettext(const char* domain, const char* id) __attribute__((format_arg(2)));
char* dcgettext(const char* domain, const char* id, int category) __attribute__((format_arg(2)));
char* ngettext(const char* id, const char* plural, unsigned long n)
    __attribute__((format_arg(1))) __attribute__((format_arg(2)));
char* dngettext(const char* domain, const char* id, const char* plural, unsigned long n)
    __attribute__((format_arg(2))) __attribute__((format_arg(3)));
char* dcngettext(const char* domain, const char* id, const char* plural, unsigned long n, int category)
    __attribute__((format_arg(2))) __attribute__((format_arg(3)));
char* textdomain(const char* domain);
char* bindtextdomain(const char* domain, const char* dir);
char* bind_textdomain_codeset(const char* domain, const char* codeset);
#ifdef __cplusplus
}
#endif
EOF
    "$CC" -O2 -c intl.c -o intl.o
    "$AR" rcs "$prefix/lib/libintl.a" intl.o
) >&2

meson_build glib2.0 -Dtests=false -Dnls=disabled -Dlibmount=disabled -Dselinux=disabled \
    -Dxattr=false -Dman=false -Dgtk_doc=false -Dinstalled_tests=false -Dlibelf=disabled >&2
meson_build fribidi -Ddocs=false >&2
meson_build harfbuzz -Dglib=disabled -Dgobject=disabled -Dcairo=disabled -Dfreetype=disabled \
    -Dicu=disabled -Dgraphite2=disabled -Dtests=disabled -Ddocs=disabled -Dintrospection=disabled \
    -Dbenchmark=disabled >&2
# Pango's own tools link with what the static libraries beneath it need.
meson_build pango1.0 -Dprefer_static=true -Dintrospection=disabled -Dgtk_doc=false -Dinstall-tests=false \
    -Dfontconfig=disabled -Dfreetype=disabled -Dxft=disabled -Dlibthai=disabled -Dsysprof=disabled -Dcairo=enabled >&2

cd /
rm -rf "$work"
echo "built in $(($(date +%s) - started)) s on $(date -u +%FT%TZ)" >"$mark"
