#!/usr/bin/env bash
# Builds the Debian package of Veltra in build/package (an optimised build of the programs and modules only,
# stripped by CPack) and checks it with lintian, desktop-file-validate and appstreamcli.
# Usage: bash scripts/package.sh        -> build/package/veltra_<version>_<arch>.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# What the build needs, then what only packaging needs (kept out of the test set-up).
bash scripts/setup-deps.sh
package_tools=(dpkg-dev fakeroot file lintian desktop-file-utils appstream)
bash scripts/install-missing.sh "${package_tools[@]}"

# The optimised build with debug information, the same flags as the default build so that the compiler
# cache serves it; CPack strips the installed programs and modules.
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRA_BUILD_TESTS=OFF \
  -DVELTRA_BUILD_BENCH=OFF >/dev/null
nice cmake --build "$build" -j2
rm -f "$build"/veltra_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/veltra_*.deb)
echo "包: $deb"

desktop-file-validate res/desktop/org.veltra.Veltra.desktop
appstreamcli validate --no-net res/desktop/org.veltra.Veltra.metainfo.xml
# lintian's errors fail the package; its warnings are shown.
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" || { echo "lintian 报告错误。" >&2; exit 1; }
echo "检查通过: $deb"
