# Sourced by the scripts beside it: where the cross-built toolkit lives.
SQUINX_WINDOWS_CACHE="${SQUINX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/squinx-windows}"
SQUINX_WINDOWS_HOST=x86_64-w64-mingw32

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# The versions of a source package the apt lists know, newest first.
source_versions() {
    apt-cache showsrc "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -rV | uniq
}

# Downloads a source package into the current folder, newest version first,
# falling back to older ones a mirror may still serve when it lacks the newest.
fetch_source() {
    local version
    for version in $(source_versions "$1"); do
        apt-get source --download-only "$1=$version" >&2 && return 0
        echo "$1 $version could not be fetched; trying an older version." >&2
    done
    # A mirror may lack only the distribution's packaging of a version whose
    # upstream tarball it has: that tarball, unpacked, serves.
    local orig
    for orig in "$1"_*.orig.tar.*; do
        [ -f "$orig" ] || continue
        echo "Using the upstream source $orig alone." >&2
        rm -f "$1"_*.dsc
        tar -xf "$orig"
        return 0
    done
    echo "No version of the source package $1 could be fetched." >&2
    return 1
}

# The cache's prefix for the toolkit of the wxWidgets source version the apt
# lists offer now; empty when they offer none.
toolkit_prefix() {
    local version
    version="$(source_versions wxwidgets3.2 | head -n 1)"
    [ -n "$version" ] && echo "$SQUINX_WINDOWS_CACHE/wxwidgets-${version//[:+~]/_}"
}
