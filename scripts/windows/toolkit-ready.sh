#!/usr/bin/env bash
# Succeeds, printing the prefix, when the cross-built toolkit of the current
# wxWidgets source version is complete in the cache; asks nothing of the
# network and installs nothing.
set -euo pipefail
. "$(dirname "$0")/common.sh"
prefix="$(toolkit_prefix)" && [ -f "$prefix/.complete" ] && echo "$prefix"
