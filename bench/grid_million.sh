#!/usr/bin/env bash
# Opens a 1,000,000 × 20 table in the grid editor and prints one line:
#   grid-1m: first-screen=SECONDS scroll-end=SECONDS memory-growth-mb=MB
# Builds bench_grid_million in build/default when needed; runs under Xvfb when xvfb-run is there,
# offscreen otherwise. Usage: bench/grid_million.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build/default}"
nice cmake --build "$build" -j2 --target bench_grid_million >/dev/null
program="$build/bench/bench_grid_million"
if command -v xvfb-run >/dev/null; then
    xvfb-run -a "$program"
else
    QT_QPA_PLATFORM=offscreen "$program"
fi
