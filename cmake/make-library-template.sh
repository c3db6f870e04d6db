#!/usr/bin/env bash
# Makes the component library template installed with Veltra: the members the reference modules propose
# for the sample bridge (slabs, caps, columns, pile caps, piles), written as `library write` does.
# Usage: make-library-template.sh VELTRA-CLI SAMPLES-FOLDER OUT.BCL
set -euo pipefail
cli=$1 samples=$2 out=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The build's own settings store, never the user's; the sanitizer's leak report must not fail the build.
export VELTRA_REGISTRY=$work/registry.db ASAN_OPTIONS=detect_leaks=0
"$cli" new "$work/sample.vlt" --from "$samples/sample_bridge.json"
"$cli" import-route "$work/sample.vlt" "$samples/sample_bridge.BRF" --yes >/dev/null
"$cli" design "$work/sample.vlt" Girder DesignSlab >/dev/null
"$cli" design "$work/sample.vlt" PierAbut DesignPierAbut >/dev/null
"$cli" library write "$work/sample.vlt" "$work/TEMPLATE" --upper all --lower all --yes >/dev/null
mv "$work/TEMPLATE.BCL" "$out"
