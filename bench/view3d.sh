#!/usr/bin/env bash
# The 3D view on a 2,000-span viaduct, drawn by Mesa's software rasteriser under Xvfb: prints one line
# "view3d: spans=… triangles=… open=<s> fps=<f>" (targets: open <= 2 s, fps >= 20).
# Usage: bench/view3d.sh [BUILD_DIR] [--spans N]
set -euo pipefail
build="${1:-$(cd "$(dirname "$0")/.." && pwd)/build/default}"
shift || true
export LIBGL_ALWAYS_SOFTWARE=1 VELTRA_REGISTRY="${VELTRA_REGISTRY:-$(mktemp -d)/registry.db}"
exec xvfb-run -a -s "-screen 0 1600x1200x24" "$build/bench/bench_view3d" "$@"
