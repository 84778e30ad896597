#!/usr/bin/env bash
# Lets `apt-get source` fetch the distribution's source packages: every binary
# entry of the machine's own apt sources for this release gets its source twin
# in a file of our own, so no mirror is named here and none is changed.
set -euo pipefail
. "$(dirname "$0")/common.sh"

target=/etc/apt/sources.list.d/squinx-windows-src.sources
. /etc/os-release
release="${VERSION_CODENAME:?the release has no code name in /etc/os-release}"

entries=$(python3 - "$release" /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources <<'PY'
import os
import re
import sys

release, paths = sys.argv[1], sys.argv[2:]
ours = "squinx-windows-src.sources"
seen = set()


def emit(uris, suites, components, signed_by):
    suites = [s for s in suites if s == release or s.startswith(release + "-") or s.startswith(release + "/")]
    if not suites or not components:
        return
    key = (tuple(uris), tuple(suites), tuple(components))
    if key in seen:
        return
    seen.add(key)
    print("Types: deb-src")
    print("URIs: " + " ".join(uris))
    print("Suites: " + " ".join(suites))
    print("Components: " + " ".join(components))
    if signed_by:
        print("Signed-By: " + signed_by)
    print()


for path in paths:
    if not os.path.isfile(path) or os.path.basename(path) == ours:
        continue
    text = open(path, encoding="utf-8", errors="replace").read()
    if path.endswith(".sources"):
        for stanza in re.split(r"\n\s*\n", text):
            fields = {}
            for line in stanza.splitlines():
                if line.startswith("#") or ":" not in line or line[0].isspace():
                    continue
                name, value = line.split(":", 1)
                fields[name.strip().lower()] = value.split()
            if "deb" not in fields.get("types", []) or fields.get("enabled", ["yes"])[0].lower() == "no":
                continue
            signed = fields.get("signed-by", [])
            emit(fields.get("uris", []), fields.get("suites", []), fields.get("components", []),
                 signed[0] if len(signed) == 1 else "")
    else:
        for line in text.splitlines():
            words = line.split("#", 1)[0].split()
            if not words or words[0] != "deb":
                continue
            words = words[1:]
            signed = ""
            if words and words[0].startswith("["):
                options = []
                while words:
                    options.append(words.pop(0))
                    if options[-1].endswith("]"):
                        break
                for option in " ".join(options).strip("[]").split():
                    if option.startswith("signed-by="):
                        signed = option.split("=", 1)[1]
            if len(words) >= 3:
                emit([words[0]], [words[1]], words[2:], signed)
PY
)

if [ -z "$entries" ]; then
    echo "No apt source for $release to derive source entries from." >&2
    exit 1
fi
if [ -f "$target" ] && [ "$(cat "$target")" = "$entries" ]; then
    [ -n "$(source_versions wxwidgets3.2)" ] && exit 0
else
    echo "Enabling source packages in $target"
    printf '%s\n' "$entries" | "${sudo_cmd[@]}" tee "$target" >/dev/null
fi
"${sudo_cmd[@]}" apt-get update -qq
