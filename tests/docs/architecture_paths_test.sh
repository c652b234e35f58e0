#!/usr/bin/env bash
# Every path ARCHITECTURE.md names in backticks (a word with a slash) exists in the source tree.
set -euo pipefail
root=$1
doc="$root/ARCHITECTURE.md"
[ -f "$doc" ] || { echo "no $doc"; exit 1; }
paths=$(grep -o '`[^` ]*/[^` ]*`' "$doc" | tr -d '`' | sort -u)
[ -n "$paths" ] || { echo "ARCHITECTURE.md names no path"; exit 1; }
missing=0
for path in $paths; do
    if [ ! -e "$root/$path" ]; then
        echo "ARCHITECTURE.md names $path, which does not exist"
        missing=1
    fi
done
exit $missing
