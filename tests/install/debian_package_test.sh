#!/usr/bin/env bash
# cpack -G DEB makes a package of the installed layout under /usr: its contents and fields are
# checked with dpkg-deb, and the kvhost unpacked from it runs a sample scenario.
#   debian_package_test.sh CPACK BUILD_FOLDER
set -euo pipefail
cpack="$1" build="$2"
. "$(dirname "$0")/run_installed.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
package="$(ls "$scratch"/package/karvel_*.deb)"
contents="$(dpkg-deb -c "$package")"
for file in ./usr/bin/kvhost ./usr/lib/libkvmodule.so ./usr/share/karvel/install/texts/dialog.en.txt \
            ./usr/share/karvel/library/prof/ ./usr/share/karvel/scenarios/ask_beam_name.json; do
  grep -qF " $file" <<<"$contents" || { echo "the package lacks $file"; exit 1; }
done
[ "$(dpkg-deb -f "$package" Package)" = karvel ] || { echo "wrong package name"; exit 1; }
depends="$(dpkg-deb -f "$package" Depends)"
for needed in libcairo2 libstdc++6 fonts-dejavu-core; do
  grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done

dpkg-deb -x "$package" "$scratch/root"
check_layout "$scratch/root/usr"
run_scenarios "$scratch/root/usr" "$scratch" ask_beam_name eval_section_weight
echo "Debian package: contents, dependencies and unpacked kvhost correct"
