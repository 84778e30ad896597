#!/usr/bin/env bash
# Succeeds, printing the prefix, when the cross-built toolkit of the current
# wxWidgets source version is complete in the cache and holds what the build
# asks pkg-config for (the charts' Cairo and Pango); asks nothing of the
# network and installs nothing.
set -euo pipefail
. "$(dirname "$0")/common.sh"
prefix="$(toolkit_prefix)" && [ -f "$prefix/.complete" ] && [ -f "$prefix/.cairo-complete" ] &&
    PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH="" pkg-config --exists cairo pangocairo &&
    echo "$prefix"
