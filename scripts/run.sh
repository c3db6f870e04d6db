#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application on the sample bridge (or on the project named on
# the command line). Without a display it renders the main window offscreen to a PNG and prints where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target veltra veltra-cli
app=build/default/src/app/veltra
if [ $# -eq 0 ]; then
  sample=build/default/samples/示例大桥.vlt
  # A sample made by an older recipe, route or description is made again.
  if [ ! -f "$sample" ] || [ scripts/make-sample.sh -nt "$sample" ] || [ samples/sample_bridge.BRF -nt "$sample" ] ||
    [ samples/sample_bridge.json -nt "$sample" ]; then
    rm -f "$sample"
    mkdir -p "$(dirname "$sample")"
    bash scripts/make-sample.sh build/default/src/cli/veltra-cli "$sample"
  fi
  set -- "$sample"
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$app" "$@"
fi
shot="${TMPDIR:-/tmp}/veltra-main-window.png"
QT_QPA_PLATFORM=offscreen "$app" --screenshot "$shot" "$@"
echo "No display: the main window was rendered to $shot"
