#!/usr/bin/env bash
# Each case builds a small tree that breaks one rule of the house and expects the layer check to name it;
# the tree without the breaking file passes.
set -uo pipefail
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A tree that keeps every rule: a subsystem on projectdb and platform, windows over logic.
base() {
    rm -rf "$work/src"
    mkdir -p "$work/src/platform/dao" "$work/src/projectdb" "$work/src/calc" "$work/src/exchange/ui" "$work/src/app"
    echo '#pragma once' >"$work/src/platform/dao/database.h"
    echo '#include "platform/dao/database.h"' >"$work/src/projectdb/schema.h"
    echo '#include "projectdb/schema.h"' >"$work/src/calc/route.h"
    printf '#include "calc/route.h"\n#include "projectdb/schema.h"\n' >"$work/src/exchange/writer.h"
    printf '#include <QWidget>\n#include "exchange/writer.h"\n' >"$work/src/exchange/ui/dialog.cpp"
}

failures=0
expect() {  # expect WHAT PATTERN: the check fails and says PATTERN
    local what=$1 pattern=$2 out
    if out=$(bash "$check" "$work" 2>&1); then
        echo "FAIL: $what: the check passed" >&2
        failures=$((failures + 1))
    elif ! grep -qF -- "$pattern" <<<"$out"; then
        echo "FAIL: $what: expected '$pattern' in:" >&2
        echo "$out" >&2
        failures=$((failures + 1))
    fi
}

base
if ! bash "$check" "$work" >/dev/null 2>&1; then
    echo "FAIL: a tree that keeps the rules was refused" >&2
    bash "$check" "$work" >&2
    failures=$((failures + 1))
fi

base
echo '#include "exchange/writer.h"' >"$work/src/projectdb/up.cpp"
expect "projectdb reaches up to exchange" 'projectdb may not include "exchange/writer.h"'

base
echo '#include "calc/route.h"' >"$work/src/platform/dao/up.cpp"
expect "platform reaches up to calc" 'platform may not include "calc/route.h"'

base
mkdir -p "$work/src/library"
echo '#include "exchange/writer.h"' >"$work/src/library/beside.cpp"
expect "one subsystem reaches beside it" 'library may not include "exchange/writer.h"'

base
echo '#include "exchange/ui/dialog.h"' >"$work/src/app/doc.cpp"
expect "logic includes a window header" 'logic includes the window header "exchange/ui/dialog.h"'

base
echo '#include <QString>' >"$work/src/calc/text.cpp"
expect "logic includes Qt" 'logic includes Qt <QString...>'

base
mkdir -p "$work/src/attic"
echo '#pragma once' >"$work/src/attic/old.h"
expect "a folder outside the house" 'the folder src/attic has no place in the house'

base
printf '#include "app/b.h"\n' >"$work/src/app/a.h"
printf '#include "app/a.h"\n' >"$work/src/app/b.h"
expect "app files include each other" 'src/app includes its own files in a circle'

exit $((failures > 0))
