#!/usr/bin/env bash
# Two programs open one project, each edits a different row of one table and saves: the file ends up with
# both edits, and the second program was told that the first has the project open (and offered read-only).
#   two_programs_edit_one_project.sh GRID_EDIT_PROCESS VELTRA_CLI WORK_DIR
set -euo pipefail
helper=$1 cli=$2 work=$3
rm -rf "$work" && mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
project=$work/共享.vlt
table=共享表

"$helper" --make "$project" "$table"

# Each program reads its go from one pipe and answers on another.
start() {
    mkfifo "$work/$1.in" "$work/$1.out"
    "$helper" "$project" "$table" "${@:2}" <"$work/$1.in" >"$work/$1.out" &
}
start first 1 3 第一个程序
exec 3>"$work/first.in" 4<"$work/first.out"
read -r line <&4
[[ $line == loaded* ]] || { echo "first program: $line"; exit 1; }

start second 3 3 第二个程序
exec 5>"$work/second.in" 6<"$work/second.out"
read -r offer <&6
[[ $offer == box:*已经打开* ]] || { echo "second program was not told the project is open: $offer"; exit 1; }
read -r line <&6
[[ $line == loaded* ]] || { echo "second program: $line"; exit 1; }

# The first saves (asked only whether to save), then the second (asked also about the first's writing).
echo go >&3
first_out=$(cat <&4)
echo go >&5
second_out=$(cat <&6)
wait
echo "first:  $first_out"
echo "second: $second_out"
[[ $first_out == *saved* && $first_out != *其他程序* ]] || { echo "first program did not save"; exit 1; }
[[ $second_out == *其他程序* && $second_out == *saved* ]] || { echo "second program was not asked, or did not save"; exit 1; }

dump=$("$cli" dump "$project" "$table")
echo "$dump"
grep -q "P1.*第一个程序" <<<"$dump" || { echo "the first program's edit is lost"; exit 1; }
grep -q "P3.*第二个程序" <<<"$dump" || { echo "the second program's edit is lost"; exit 1; }
[[ ! -e $project.lock ]] || { echo "the open marker stayed after both ended"; exit 1; }
echo "both edits are in the file"
