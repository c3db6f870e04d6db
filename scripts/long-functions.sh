#!/usr/bin/env bash
# Lists the functions longer than a reader takes in at once (over 80 lines, or LIMIT), longest first, as
# "LINES FILE:LINE NAME", and their count last. Tests, benchmarks and the schema data (tables written out
# as data, one field a line) are left out. Usage: long-functions.sh [LIMIT] (default 80). Needs Universal Ctags.
set -euo pipefail
limit="${1:-80}"
cd "$(dirname "$0")/.."
command -v ctags >/dev/null || { echo "long-functions: Universal Ctags (ctags) is not installed" >&2; exit 2; }

found=$(git ls-files -- 'src/*.cpp' 'src/*.h' 'modules/*.cpp' 'modules/*.h' 'tools/*.cpp' 'tools/*.h' |
    grep -vE '(^|/)schema_[a-z_]+\.cpp$' |
    ctags -L - -x --language-force=C++ --kinds-C++=f --fields=+ne --_xformat='%{line} %{end} %F %N' |
    awk -v limit="$limit" '$2 != "" { n = $2 - $1 + 1; if (n > limit) printf "%d %s:%d %s\n", n, $3, $1, $4 }' |
    sort -k1,1nr -k2,2)
[ -n "$found" ] && printf '%s\n' "$found"
echo "long-functions: $(printf '%s' "$found" | grep -c . || true) function(s) over $limit lines"
