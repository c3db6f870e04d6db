#!/usr/bin/env bash
# Fails when a file of src/ crosses the layers of the house plan:
#  - a logic file includes Qt (logic: src/platform/{dao,registry,text,xlsx}, and every subsystem folder outside
#    its ui/ folder; in src/app the files at its root are logic, src/app/ui/ and src/app/main.cpp windows),
#    or includes a window header (anything in a ui/ folder);
#  - an include runs up the house or sideways: each folder may include itself and only the folders listed
#    for it in `uses` below (the folders it stands on), and of calc and the bridge model their logic only;
#  - the folders include each other in a circle;
#  - the files of src/app include each other in a circle (scripts/check-app-cycles.sh).
# Usage: check-layers.sh [ROOT] (default: the repository).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="${1:-$here/..}"
cd "$root"

# The house from the ground up: a folder may include the folders named for it, never one above or beside it.
declare -A uses=(
    [platform]=""
    [projectdb]="platform"
    [calc]="platform projectdb"
    [bridge]="platform projectdb calc"
    [exchange]="platform projectdb calc bridge"
    [library]="platform projectdb calc bridge"
    [drawing]="platform projectdb calc bridge"
    [browse]="platform projectdb calc bridge"
    [view3d]="platform projectdb calc bridge"
    [cli]="platform projectdb calc bridge exchange library drawing browse view3d app"
    [app]="platform projectdb calc bridge exchange library drawing browse view3d"
)
# Folders whose window headers others may not include (only their logic is shared below app).
logic_only="calc bridge exchange library drawing browse view3d"

problems=()
folder_edges=()

is_logic() {
    local f=$1
    case "$f" in
        src/app/ui/* | src/app/main.cpp) return 1 ;;
        src/platform/dao/* | src/platform/registry/* | src/platform/text/* | src/platform/xlsx/*) return 0 ;;
        src/platform/*) return 1 ;;
        src/*/ui/*) return 1 ;;
    esac
    return 0
}

# May `file` (in top folder `top`) include our header `target` (a path below src/)?
may_include() {
    local file=$1 top=$2 target=$3
    local to=${target%%/*}
    [ "$to" = "$top" ] && return 0
    [[ -v "uses[$top]" ]] || return 1
    [[ " ${uses[$top]} " == *" $to "* ]] || return 1
    # the command line runs no windows; the others share only the logic of the rooms above projectdb
    [ "$top" = cli ] && [[ "$target" == */ui/* ]] && return 1
    [ "$top" != app ] && [[ " $logic_only " == *" $to "* ]] && [[ "$target" == */ui/* ]] && return 1
    return 0
}

while IFS= read -r file; do
    top=${file#src/}
    top=${top%%/*}
    [[ -v "uses[$top]" ]] || problems+=("$file: the folder src/$top has no place in the house (add it to \`uses\`)")
    logic=false
    is_logic "$file" && logic=true
    while IFS= read -r line; do
        [ -n "$line" ] || continue
        number=${line%%:*}
        directive=${line#*:}
        if [[ "$directive" =~ \#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*) ]]; then
            $logic && problems+=("$file:$number: logic includes Qt <${BASH_REMATCH[1]}...>; windows belong in a ui/ folder")
        elif [[ "$directive" =~ \#[[:space:]]*include[[:space:]]*\"([a-z0-9_]+)/([^\"]*)\" ]]; then
            target="${BASH_REMATCH[1]}/${BASH_REMATCH[2]}"
            to=${BASH_REMATCH[1]}
            [ -d "src/$to" ] || continue  # not one of our folders
            [ "$to" != "$top" ] && folder_edges+=("$top $to")
            if $logic && [[ "$target" == */ui/* ]]; then
                problems+=("$file:$number: logic includes the window header \"$target\"")
            elif ! may_include "$file" "$top" "$target"; then
                problems+=("$file:$number: $top may not include \"$target\" (an arrow up the house or sideways)")
            fi
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

# A circle of folders.
circles=$( ((${#folder_edges[@]})) && printf '%s\n' "${folder_edges[@]}" | sort -u | awk -f "$here/find-cycles.awk" | sort -u || true)
while IFS= read -r circle; do
    [ -n "$circle" ] && problems+=("folders include each other in a circle: $circle")
done <<<"$circles"

status=0
if ((${#problems[@]})); then
    echo "check-layers: ${#problems[@]} problem(s) with the layers (see DESIGN.md, section 3):" >&2
    printf '  %s\n' "${problems[@]}" >&2
    status=1
else
    echo "check-layers: logic is Qt-free, no arrow runs up the house or sideways, no circle of folders"
fi
bash "$here/check-app-cycles.sh" "$root" || status=1
exit $status
