#!/usr/bin/env bash
# Runs every benchmark once and prints the performance table of the README: what, size, ratio (ours over
# the reference in the same run) and the benchmark's peak memory. Builds the benchmarks first unless
# --no-build is given. The 1M-row grid is measured by bench/grid_million.sh when it is there.
#
#   bash bench/all.sh [--no-build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default/bench

if [[ "${1:-}" != "--no-build" ]]; then
    [[ -d build/default ]] || cmake --preset default >/dev/null
    targets=()
    for source in bench/bench_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
    nice cmake --build build/default -j2 --target "${targets[@]}" >/dev/null
fi

# benchmark | what it measures | size
rows=(
    "bench_dao_append|dao-append|dao append through a record set, one transaction|200,000 records x 20 fields"
    "bench_route_geometry|geometry|route coordinates at stake and offset|1,000,000 points, 10,000 elements"
    "bench_wizard_finish|wizard-finish|new-project wizard Finish|5,000 spans"
    "bench_grid_load|grid-load|grid opens a table|100,000 rows x 20 fields"
    "bench_grid_load|grid-save|grid saves a table|100,000 rows x 20 fields"
    "bench_route_import|route-import|route reference file import|1,000,000 ground points"
    "bench_landxml_import|landxml-import|LandXML alignment import|10,000 elements, 2,000 PVIs"
    "bench_model|model|bridge model read|5,000 spans"
    "bench_export_3d|export-3d|3D-model interface file|2,000 spans"
    "bench_ifc_export|ifc-export|IFC export|2,000 spans"
    "bench_library_clean|library-clean|component library clean|100,000 entries"
)

declare -A output memory
printf '| %s | %s | %s | %s |\n' "what" "size" "ratio (ours/reference)" "peak memory"
printf '|---|---|---|---|\n'
for row in "${rows[@]}"; do
    IFS='|' read -r binary name what size <<<"$row"
    if [[ -z "${output[$binary]+set}" ]]; then
        log=$(mktemp)
        if QT_QPA_PLATFORM=offscreen /usr/bin/time -f 'peak-kb=%M' -o "$log.time" "$build/$binary" >"$log" 2>/dev/null; then
            output[$binary]=$(cat "$log")
        else
            output[$binary]="failed"
        fi
        memory[$binary]=$(sed -n 's/^peak-kb=//p' "$log.time" 2>/dev/null || true)
        rm -f "$log" "$log.time"
    fi
    ratio=$(grep -m1 "^$name: ours=" <<<"${output[$binary]}" | sed -n 's/.*ratio=\([0-9.]*\).*/\1/p' || true)
    mb=${memory[$binary]:+$((memory[$binary] / 1024)) MB}
    printf '| %s (`%s`) | %s | %s | %s |\n' "$what" "$name" "$size" "${ratio:-failed}" "${mb:-?}"
done

if [[ -x bench/grid_million.sh ]]; then
    line=$(bash bench/grid_million.sh | grep -m1 '^grid-1m:' || echo "grid-1m: failed")
    printf '| 1M-row grid under Xvfb (`grid-1m`) | 1,000,000 rows x 20 fields | %s | |\n' "${line#grid-1m: }"
else
    printf '| 1M-row grid under Xvfb (`grid-1m`) | 1,000,000 rows x 20 fields | see bench/grid_million.sh | |\n'
fi
