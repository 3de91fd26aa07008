#!/usr/bin/env bash
# cmake --install lays out a product that can be moved: install into a temporary prefix, move
# the prefix, and run sample scenarios that read the bundled library and sheets from there.
#   installed_product_test.sh CMAKE BUILD_FOLDER
set -euo pipefail
cmake="$1" build="$2"
. "$(dirname "$0")/run_installed.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

"$cmake" --install "$build" --prefix "$scratch/first" >/dev/null
mv "$scratch/first" "$scratch/moved"
check_layout "$scratch/moved"
run_scenarios "$scratch/moved" "$scratch" ask_beam_name eval_section_weight sections_choose_section
echo "installed product: layout, library paths and sample scenarios correct"
