#!/usr/bin/env bash
# Installs what is missing, checks that includes respect the layers, builds, and runs every test: first the
# normal build, then the one with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
echo "== layers"
bash scripts/check-layers.sh
jobs=$(nproc)
for preset in default asan; do
  echo "== build ($preset)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== test ($preset)"
  LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" ctest --preset "$preset" -j "$jobs"
done
