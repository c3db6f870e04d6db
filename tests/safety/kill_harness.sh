#!/usr/bin/env bash
# Kills every writing operation of veltra-cli at random moments and checks what it leaves: each file the
# operation writes must be, after the kill, its old self or the complete new one (for a database: sound by
# PRAGMA integrity_check and equal table for table, row for row), and the next write in the folder must
# clear away the half-made files the killed run left.
#
# A moment is a call through which the program changes a file (kill_shim.c): a run of the operation counts
# them (M), then each kill picks N in 1..M and the program dies just before its N-th change.
#
# Usage: kill_harness.sh CLI SHIM SAMPLES [OPERATION...]
#   VELTRA_KILLS   kills per operation (default 5; 40 for a full run)
#   VELTRA_KILL_SEED  seed of the random moments (default: the process id; printed for a rerun)
# Prints one line per operation: kills, how many ended old, new, half-made. Exit 1 when any was half-made
# or left a leftover.
set -uo pipefail

cli=$1
shim=$2
samples=$3
shift 3
kills=${VELTRA_KILLS:-5}
seed=${VELTRA_KILL_SEED:-$$}
RANDOM=$seed
work=$(mktemp -d "${TMPDIR:-/tmp}/veltra-kill.XXXXXX")
[ -n "${VELTRA_KILL_KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
export VELTRA_REGISTRY=$work/registry.db
echo "seed $seed, $kills kills per operation"

fail() {
    echo "harness: $*" >&2
    exit 2
}

# ---- fixtures, made once by the program itself --------------------------------------------------------
fixtures=$work/fixtures
mkdir -p "$fixtures"
"$cli" new "$fixtures/plain.vlt" >/dev/null || fail "new plain"
"$cli" new "$fixtures/layout.vlt" --from "$samples/sample_bridge.json" >/dev/null || fail "new layout"
cp "$fixtures/layout.vlt" "$fixtures/bridge.vlt"
"$cli" import-route "$fixtures/bridge.vlt" "$samples/sample_bridge.BRF" --yes >/dev/null || fail "import-route"
for design in "Girder DesignSlab" "PierAbut DesignPierAbut" "Site DesignPrick"; do
    # shellcheck disable=SC2086
    "$cli" design "$fixtures/bridge.vlt" $design >/dev/null || fail "design $design"
done
"$cli" library write "$fixtures/bridge.vlt" "$fixtures/lib" --upper all --lower all --yes >/dev/null 2>&1 ||
    fail "library write"
cp "$fixtures/LIB.BCL" "$fixtures/REPEATS.BCL"
for table in $(sqlite3 "$fixtures/REPEATS.BCL" "SELECT name FROM sqlite_master WHERE type='table'"); do
    sqlite3 "$fixtures/REPEATS.BCL" "INSERT INTO [$table] SELECT * FROM [$table]" || fail "repeats"
done
cat >"$fixtures/spans.json" <<'JSON'
{"StartStake": "1200", "sections": [["装配式简支空心板桥", "2", "16"], ["装配式简支T梁桥", "2", "25"]]}
JSON
cat >"$fixtures/pier.json" <<'JSON'
{"piers": [{"stake": 0, "columns": 2, "height": 8, "rect": {"W": 1.2, "H": 1.4}},
           {"stake": 30, "columns": 1, "height": 9, "circle": {"D": 1.3}}]}
JSON
"$cli" export-3d "$fixtures/layout.vlt" "$fixtures/old.bri" --yes >/dev/null 2>&1
"$cli" pier-force --json "$fixtures/pier.json" --save "$fixtures/old.phm" >/dev/null || fail "pier-force"

# ---- the operations: the files they start from, and the command ----------------------------------------
# setup_NAME fills the folder $1; command_NAME prints the words, one per line, with the folder as $1.
setup_create() { cp "$fixtures/bridge.vlt" "$1/p.vlt"; }
command_create() { printf '%s\n' create "$1/p.vlt"; }
setup_new() { cp "$fixtures/bridge.vlt" "$1/p.vlt"; }
command_new() { printf '%s\n' new "$1/p.vlt" --from "$samples/sample_bridge.json"; }
setup_new_from() { cp "$fixtures/bridge.vlt" "$1/src.vlt"; cp "$fixtures/plain.vlt" "$1/p.vlt"; }
command_new_from() { printf '%s\n' new-from "$1/src.vlt" "$1/p.vlt" --all; }
setup_import_route() { cp "$fixtures/layout.vlt" "$1/p.vlt"; }
command_import_route() { printf '%s\n' import-route "$1/p.vlt" "$samples/sample_bridge.BRF" --yes; }
setup_spans() { cp "$fixtures/bridge.vlt" "$1/p.vlt"; }
command_spans() { printf '%s\n' spans "$1/p.vlt" --from "$fixtures/spans.json"; }
setup_general() { cp "$fixtures/bridge.vlt" "$1/p.vlt"; }
command_general() { printf '%s\n' general "$1/p.vlt" --set BridgeName=乙大桥 --set ProjectName=乙线; }
setup_import_project() { cp "$fixtures/bridge.vlt" "$1/src.vlt"; cp "$fixtures/plain.vlt" "$1/p.vlt"; }
command_import_project() { printf '%s\n' import-project "$1/p.vlt" "$1/src.vlt"; }
setup_saveas() { cp "$fixtures/bridge.vlt" "$1/src.vlt"; cp "$fixtures/plain.vlt" "$1/p.vlt"; }
command_saveas() { printf '%s\n' saveas "$1/src.vlt" "$1/p.vlt"; }
setup_design() { cp "$fixtures/layout.vlt" "$1/p.vlt"; }
command_design() { printf '%s\n' design "$1/p.vlt" PierAbut DesignPierAbut; }
setup_export_3d() { cp "$fixtures/bridge.vlt" "$1/p.vlt"; cp "$fixtures/old.bri" "$1/out.bri"; }
command_export_3d() { printf '%s\n' export-3d "$1/p.vlt" "$1/out.bri" --yes; }
setup_export_sub() { cp "$fixtures/bridge.vlt" "$1/p.vlt"; cp "$fixtures/old.bri" "$1/out.bri"; }
command_export_sub() { printf '%s\n' export-sub "$1/p.vlt" "$1/out.bri" --yes; }
setup_pier_force() { cp "$fixtures/old.phm" "$1/b.phm"; }
command_pier_force() { printf '%s\n' pier-force --json "$fixtures/pier.json" --save "$1/b.phm"; }
setup_library_new() { cp "$fixtures/bridge.vlt" "$1/p.vlt"; }
command_library_new() { printf '%s\n' library write "$1/p.vlt" "$1/lib" --upper all --lower all --yes; }
setup_library_write() { cp "$fixtures/bridge.vlt" "$1/p.vlt"; cp "$fixtures/LIB.BCL" "$1/LIB.BCL"; }
command_library_write() { printf '%s\n' library write "$1/p.vlt" "$1/lib" --upper all --lower all --yes; }
setup_library_merge() { cp "$fixtures/LIB.BCL" "$1/T.BCL"; cp "$fixtures/REPEATS.BCL" "$1/S.BCL"; }
command_library_merge() { printf '%s\n' library merge "$1/T.BCL" "$1/S.BCL"; }
setup_library_merge_new() { cp "$fixtures/REPEATS.BCL" "$1/S.BCL"; }
command_library_merge_new() { printf '%s\n' library merge "$1/NEW.BCL" "$1/S.BCL"; }
setup_library_clean() { cp "$fixtures/REPEATS.BCL" "$1/R.BCL"; }
command_library_clean() { printf '%s\n' library clean "$1/R.BCL"; }
setup_drawing_target() {
    cp "$fixtures/bridge.vlt" "$1/p.vlt"
    VELTRA_REGISTRY=$1/registry.db "$cli" settings set "Current Drawing" DrawingType 旧 >/dev/null
}
command_drawing_target() { printf '%s\n' drawing target "$1/p.vlt" 1; }

all_operations="create new new_from import_route spans general import_project saveas design export_3d export_sub
pier_force library_new library_write library_merge library_merge_new library_clean drawing_target"

# ---- what a folder holds ---------------------------------------------------------------------------------
# One file per visible file of the folder in $2: a database as its integrity check and, when sound, its
# dump; any other file as its bytes. Opening a database this way also rolls back a journal a killed writer
# left, as the next program to open it would.
snapshot() {
    local folder=$1 out=$2 file name check
    mkdir -p "$out"
    for file in "$folder"/*; do
        [ -f "$file" ] || continue
        name=${file##*/}
        case $name in *-journal) continue ;; esac
        if [ "$(head -c 15 "$file" | tr -d '\000')" = "SQLite format 3" ] || { [ ! -s "$file" ] && [[ $name == *.vlt || $name == *.BCL || $name == *.db ]]; }; then
            check=$(sqlite3 "$file" "PRAGMA integrity_check" 2>&1)
            if [ "$check" = ok ]; then
                sqlite3 "$file" .dump >"$out/$name" 2>&1
                [ -s "$file" ] || echo "(empty file)" >>"$out/$name"
            else
                echo "integrity: $check" >"$out/$name"
            fi
        else
            cp "$file" "$out/$name"
        fi
    done
}

# old / new / half-made for the folder snapshot $1 against $2 (before) and $3 (after a whole run); each
# file on its own.
judge() {
    local now=$1 old=$2 new=$3 name verdict=old
    for name in $( (ls "$now"; ls "$old"; ls "$new") 2>/dev/null | sort -u); do
        if cmp -s "$now/$name" "$old/$name" 2>/dev/null || { [ ! -e "$now/$name" ] && [ ! -e "$old/$name" ]; }; then
            continue
        elif cmp -s "$now/$name" "$new/$name" 2>/dev/null || { [ ! -e "$now/$name" ] && [ ! -e "$new/$name" ]; }; then
            verdict=new
        else
            echo "half-made: $name" >&2
            head -c 300 "$now/$name" 2>/dev/null | sed 's/^/    /' >&2
            echo half
            return
        fi
    done
    echo $verdict
}

run_with_shim() {
    local folder=$1
    shift
    VELTRA_REGISTRY=$folder/registry.db LD_PRELOAD=$shim "$cli" "$@" >/dev/null 2>&1
}

problems=0
operations=${*:-$all_operations}
for op in $operations; do
    base=$work/$op
    mkdir -p "$base/pristine"
    "setup_$op" "$base/pristine" || fail "setup $op"
    # The settings store a user has: some operations write to it too.
    [ -e "$base/pristine/registry.db" ] || cp "$VELTRA_REGISTRY" "$base/pristine/registry.db"
    snapshot "$base/pristine" "$base/old"

    # A whole run: the new state and the number of moments.
    cp -a "$base/pristine" "$base/whole"
    mapfile -t words < <("command_$op" "$base/whole")
    VELTRA_KILL_COUNT_FILE=$base/count run_with_shim "$base/whole" "${words[@]}"
    status=$?
    [ "$status" -le 1 ] || fail "$op: a whole run ended with $status"
    moments=$(cat "$base/count" 2>/dev/null || echo 0)
    [ "$moments" -gt 0 ] || fail "$op: no moments counted"
    snapshot "$base/whole" "$base/new"

    old=0 new=0 half=0 left=0
    for ((k = 1; k <= kills; k++)); do
        run=$base/run
        rm -rf "$run"
        cp -a "$base/pristine" "$run"
        at=$((1 + (RANDOM * 32768 + RANDOM) % moments))
        mapfile -t words < <("command_$op" "$run")
        (VELTRA_KILL_AT=$at run_with_shim "$run" "${words[@]}") 2>/dev/null
        rm -rf "$base/now"
        snapshot "$run" "$base/now"
        verdict=$(judge "$base/now" "$base/old" "$base/new")
        case $verdict in
            old) old=$((old + 1)) ;;
            new) new=$((new + 1)) ;;
            *) half=$((half + 1)); echo "  $op: half-made after a kill at moment $at of $moments" >&2 ;;
        esac
        # The next write in the folder clears what the killed run left beside its files.
        VELTRA_REGISTRY=$run/registry.db "$cli" create "$run/zz-next.vlt" >/dev/null 2>&1
        if compgen -G "$run/.*.tmp*" >/dev/null; then
            left=$((left + 1))
            echo "  $op: leftovers after a kill at moment $at: $(cd "$run" && ls -d .*.tmp* | tr '\n' ' ')" >&2
        fi
    done
    printf '%-20s kills %3d  moments %5d  old %3d  new %3d  half-made %d  leftovers %d\n' \
        "$op" "$kills" "$moments" "$old" "$new" "$half" "$left"
    [ $((half + left)) -eq 0 ] || problems=$((problems + 1))
done
[ "$problems" -eq 0 ]
