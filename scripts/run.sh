#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application. Without a display it renders the main
# window offscreen to a PNG and prints where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target veltra veltra-cli
app=build/default/src/app/veltra
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$app" "$@"
fi
shot="${TMPDIR:-/tmp}/veltra-main-window.png"
QT_QPA_PLATFORM=offscreen "$app" --screenshot "$shot" "$@"
echo "No display: the main window was rendered to $shot"
