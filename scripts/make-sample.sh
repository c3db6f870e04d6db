#!/usr/bin/env bash
# Builds the sample bridge (示例大桥, three 20 m hollow-slab spans) as a user would: the new-project wizard's
# Finish from samples/sample_bridge.json, the route imported from samples/sample_bridge.BRF over the bridge
# extent, then the slabs, the piers and abutments and the cone slopes designed by the reference modules with
# their default sizes. Usage: make-sample.sh VELTRA-CLI OUT.vlt
set -euo pipefail
samples="$(cd "$(dirname "$0")/../samples" && pwd)"
cli=$1
out=$2
"$cli" new "$out" --from "$samples/sample_bridge.json"
"$cli" import-route "$out" "$samples/sample_bridge.BRF" --yes >/dev/null
for design in "Girder DesignSlab" "PierAbut DesignPierAbut" "Site DesignPrick"; do
  # shellcheck disable=SC2086
  "$cli" design "$out" $design >/dev/null
done
