#!/usr/bin/env bash
# Every sample scenario, run by the built kvhost as scripts/demo runs them: on scratch copies of
# the sample library and install data and a fresh registry, so that the samples keep working
# and never change the tracked files.
#   run_sample_scenarios.sh SOURCE_DIR KVHOST
set -uo pipefail
source_dir="$1"
kvhost="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=()
for scenario in "$source_dir"/scenarios/*.json; do
  name="$(basename "$scenario" .json)"
  work="$scratch/$name"
  mkdir -p "$work"
  cp -r "$source_dir/library" "$work/library"
  cp -r "$source_dir/install" "$work/install"
  if (cd "$work" && KV_LIB_DIR='library\' KV_DIR='install\' KV_REGISTRY_FILE="$work/registry.json" \
        "$kvhost" run "$scenario" > "$work/output.txt" 2>&1); then
    echo "passed: $name"
  else
    echo "FAILED: $name"
    sed 's/^/    /' "$work/output.txt"
    failed+=("$name")
  fi
done
if ((${#failed[@]})); then
  echo "${#failed[@]} sample scenario(s) failed: ${failed[*]}"
  exit 1
fi
