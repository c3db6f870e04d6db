#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the sample bridge end to end from there, with no
# Veltra variable set: the programs must find their modules and data relative to their own folder.
# Usage: installed_tree_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

unset VELTRA_MODULES VELTRA_HELP VELTRA_PICTURES VELTRA_SAMPLES VELTRA_LIBRARY_TEMPLATES VELTRA_REGISTRY
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*" >&2; exit 1; }
for program in veltra veltra-cli drawhost; do
  [[ -x $prefix/bin/$program ]] || fail "bin/$program not installed"
done
for module in Girder PierAbut Site Adjunct Interface GLViewer; do
  [[ -f $prefix/lib/veltra/modules/lib$module.so ]] || fail "module $module not in lib/veltra/modules"
done
for data in help/index.html pictures/about.svg samples/sample_bridge.json samples/sample_bridge.BRF library/STANDARD.BCL; do
  [[ -f $prefix/share/veltra/$data ]] || fail "share/veltra/$data missing"
done

# Help and version print without a display and open no window.
for program in veltra veltra-cli drawhost; do
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version)
  [[ $version =~ [0-9]+\.[0-9]+ ]] || fail "$program --version printed '$version'"
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --help)
  [[ $help == *"$program"* ]] || fail "$program --help"
  page=$(zcat "$prefix/share/man/man1/$program.1.gz")
  [[ $page == *".SH NAME"* ]] || fail "man page $program(1)"
done
for desktop in applications/org.veltra.Veltra.desktop mime/packages/veltra.xml metainfo/org.veltra.Veltra.metainfo.xml \
               icons/hicolor/scalable/apps/org.veltra.Veltra.svg icons/hicolor/48x48/apps/org.veltra.Veltra.png; do
  [[ -s $prefix/share/$desktop ]] || fail "share/$desktop missing"
done

cli=$prefix/bin/veltra-cli
samples=$prefix/share/veltra/samples
project=$work/bridge/sample.vlt
mkdir -p "$work/bridge"
"$cli" new "$project" --from "$samples/sample_bridge.json"
"$cli" import-route "$project" "$samples/sample_bridge.BRF" --yes >/dev/null
designed=$("$cli" design "$project" Girder DesignSlab)
[[ -n $designed ]] || fail "design Girder changed nothing"
"$cli" design "$project" PierAbut DesignPierAbut >/dev/null
"$cli" export-3d "$project" "$work/bridge/sample.BRI" --yes
[[ -s $work/bridge/sample.BRI ]] || fail "export-3d wrote nothing"
"$prefix/bin/drawhost" --render "$project" --out "$work/bridge" >/dev/null
compgen -G "$work/bridge/*.svg" >/dev/null || fail "drawhost --render drew no SVG"
echo "installed tree runs the sample end to end"
