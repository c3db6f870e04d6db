#!/usr/bin/env bash
# Fails when the files of src/app include each other in a circle. A header and its source file are one
# node ("app/ui/main_frame"), so a class that includes its own header is no cycle; an edge A -> B means
# that A's header or source includes B's header. Usage: check-app-cycles.sh [ROOT] (default: the repository).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="${1:-$here/..}"
cd "$root"
[ -d src/app ] || exit 0

# One "from to" line per include between two different nodes of src/app.
edges=$(grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"app/' src/app |
    sed -E 's%^src/([^:]*)\.(h|cpp):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)\.(h|cpp)".*%\1 \3%' |
    awk '$1 != $2' | sort -u || true)

cycles=$(printf '%s\n' "$edges" | awk -f "$here/find-cycles.awk" | sort -u) || true

if [ -n "$cycles" ]; then
    echo "check-app-cycles: src/app includes its own files in a circle (a header and its source are one node):" >&2
    printf '%s\n' "$cycles" | sed 's/^/  /' >&2
    echo "Break each circle: move what both sides need into a header of its own, or pass it through an interface." >&2
    exit 1
fi
echo "check-app-cycles: no include cycles in src/app"
