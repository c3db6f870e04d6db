#!/usr/bin/env bash
# Fails when a file of src/ crosses the layers of the house plan:
#  - a logic file includes Qt (logic: src/platform/{dao,registry,text}, and every subsystem folder outside
#    its ui/ folder; in src/app the files at its root are logic, src/app/ui/ and src/app/main.cpp windows),
#    or includes a window header (anything in a ui/ folder);
#  - a folder includes one it may not use: platform nothing of ours outside platform, projectdb only
#    platform, the subsystems platform, projectdb, calc's logic and themselves, the command line no windows
#    (it runs the project session and the other logic of app); the bridge model may use calc besides, and
#    every subsystem but calc may use the bridge model's logic;
#  - the files of src/app include each other in a circle (scripts/check-app-cycles.sh).
# Usage: check-layers.sh [ROOT] (default: the repository).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="${1:-$here/..}"
cd "$root"

subsystems="projectdb exchange calc bridge browse library drawing view3d app"

problems=()

is_logic() {
    local f=$1
    case "$f" in
        src/app/ui/* | src/app/main.cpp) return 1 ;;
        src/platform/dao/* | src/platform/registry/* | src/platform/text/*) return 0 ;;
        src/*/ui/*) return 1 ;;
    esac
    local top=${f#src/}
    top=${top%%/*}
    [[ " $subsystems " == *" $top "* ]]
}

# May `file` (in top folder `top`) include our header `target` (a path below src/)?
may_include() {
    local file=$1 top=$2 target=$3
    local to=${target%%/*}
    case "$top" in
        app) return 0 ;;
        platform) [ "$to" = platform ] ;;
        projectdb) [ "$to" = platform ] || [ "$to" = projectdb ] ;;
        cli) [[ "$target" != */ui/* ]] ;;
        bridge)
            [ "$to" = platform ] || [ "$to" = projectdb ] || [ "$to" = calc ] || [ "$to" = bridge ] ;;
        exchange | calc | browse | library | drawing | view3d)
            [ "$to" = platform ] || [ "$to" = projectdb ] || [ "$to" = "$top" ] && return 0
            # the route geometry engine serves every subsystem above calc (the exchange formats use it)
            [ "$to" = calc ] && [[ "$target" != */ui/* ]] && return 0
            # calc lies below the bridge model, which uses it
            [ "$to" = bridge ] && [ "$top" != calc ] && [[ "$target" != */ui/* ]] && return 0
            # The route geometry engine serves the other subsystems (the import checks the route it wrote).
            [ "$to" = calc ] && [[ "$target" != */ui/* ]] ;;
        *) return 0 ;;
    esac
}

while IFS= read -r file; do
    top=${file#src/}
    top=${top%%/*}
    logic=false
    is_logic "$file" && logic=true
    while IFS= read -r line; do
        [ -n "$line" ] || continue
        number=${line%%:*}
        directive=${line#*:}
        if [[ "$directive" =~ \#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*) ]]; then
            $logic && problems+=("$file:$number: logic includes Qt <${BASH_REMATCH[1]}...>; windows belong in a ui/ folder")
        elif [[ "$directive" =~ \#[[:space:]]*include[[:space:]]*\"([a-z_]+)/([^\"]*)\" ]]; then
            target="${BASH_REMATCH[1]}/${BASH_REMATCH[2]}"
            [ -d "src/${BASH_REMATCH[1]}" ] || continue  # not one of our folders
            if $logic && [[ "$target" == */ui/* ]]; then
                problems+=("$file:$number: logic includes the window header \"$target\"")
            elif ! may_include "$file" "$top" "$target"; then
                problems+=("$file:$number: $top may not include \"$target\"")
            fi
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

status=0
if ((${#problems[@]})); then
    echo "check-layers: ${#problems[@]} include(s) cross the layers (see DESIGN.md, section 3):" >&2
    printf '  %s\n' "${problems[@]}" >&2
    status=1
else
    echo "check-layers: logic is Qt-free and every folder includes only what it may"
fi
bash "$here/check-app-cycles.sh" "$root" || status=1
exit $status
