#!/usr/bin/env bash
# Fails when the files of src/app include each other in a circle. A header and its source file are one
# node ("app/ui/main_frame"), so a class that includes its own header is no cycle; an edge A -> B means
# that A's header or source includes B's header. Usage: check-app-cycles.sh [ROOT] (default: the repository).
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"
[ -d src/app ] || exit 0

# One "from to" line per include between two different nodes of src/app.
edges=$(grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"app/' src/app |
    sed -E 's%^src/([^:]*)\.(h|cpp):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)\.(h|cpp)".*%\1 \3%' |
    awk '$1 != $2' | sort -u || true)

cycles=$(printf '%s\n' "$edges" | awk '
    NF == 2 { next_of[$1] = next_of[$1] " " $2; nodes[$1]; nodes[$2] }
    # Depth-first search; state 1 = on the current path, 2 = finished. A path back to a node on the
    # current path is a cycle, printed from that node round to it again.
    function visit(n,    i, k, targets, t, line) {
        state[n] = 1
        path[++depth] = n
        k = split(next_of[n], targets, " ")
        for (i = 1; i <= k; ++i) {
            t = targets[i]
            if (state[t] == 1) {
                line = ""
                for (j = depth; path[j] != t; --j) line = " -> " path[j] line
                print t line " -> " t
                found = 1
            } else if (state[t] == 0) {
                visit(t)
            }
        }
        --depth
        state[n] = 2
    }
    END {
        for (n in nodes) if (state[n] == 0) visit(n)
        exit found ? 1 : 0
    }' | sort -u) || true

if [ -n "$cycles" ]; then
    echo "check-app-cycles: src/app includes its own files in a circle (a header and its source are one node):" >&2
    printf '%s\n' "$cycles" | sed 's/^/  /' >&2
    echo "Break each circle: move what both sides need into a header of its own, or pass it through an interface." >&2
    exit 1
fi
echo "check-app-cycles: no include cycles in src/app"
