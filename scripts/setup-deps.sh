#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the application need, when they are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev libqt6printsupport6 qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n
  libsqlite3-dev sqlite3 libxlsxwriter-dev zlib1g-dev nlohmann-json3-dev libpugixml-dev
  qt6-quick3d-dev qt6-declarative-dev qt6-shadertools-dev libxkbcommon-dev qml6-module-quick3d qml6-module-qtquick qml6-module-qtquick-window libgl1-mesa-dri
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk xvfb xauth locales-all poppler-utils fonts-wqy-microhei python3-ezdxf python3-matplotlib
)
bash "$(dirname "$0")/install-missing.sh" "${packages[@]}"
# An independent IFC reader for the tests (web-ifc from npm) in a git-ignored folder; without node or npm, or
# when npm cannot reach its registry, the tests that read IFC files with it are skipped.
root="$(cd "$(dirname "$0")/.." && pwd)"
if command -v node >/dev/null && command -v npm >/dev/null && [ ! -d "$root/third_party/node/node_modules/web-ifc" ]; then
  npm install --prefix "$root/third_party/node" --no-audit --no-fund --silent web-ifc@0.0.78 >/dev/null 2>&1 ||
    echo "web-ifc could not be installed: the tests that read IFC files with it are skipped"
fi
