#!/usr/bin/env bash
# Builds the sample bridge (示例大桥, three 20 m hollow-slab spans) as a user would: the new-project wizard's
# Finish from samples/sample_bridge.json, then the route imported from samples/sample_bridge.BRF over the
# bridge extent. Usage: make-sample.sh VELTRA-CLI OUT.vlt
set -euo pipefail
samples="$(cd "$(dirname "$0")/../samples" && pwd)"
cli=$1
out=$2
"$cli" new "$out" --from "$samples/sample_bridge.json"
"$cli" import-route "$out" "$samples/sample_bridge.BRF" --yes >/dev/null
