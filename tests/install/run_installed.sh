# Shared by the installation tests: checks an installed prefix and runs sample scenarios with
# the kvhost found there, in an environment that names none of the build's or a person's folders.

# check_layout PREFIX: the files the product needs, and every binary finding its libraries
# beside itself only (never in the build tree).
check_layout() {
  local prefix="$1" file runpath
  for file in bin/kvhost lib/libkvmodule.so lib/libkvcore.so lib/libkvwin.so lib/libkvhostapi.so \
              lib/libkvsheet.so lib/libkvsheetwin.so lib/libkvrender.so lib/libkvbase.so \
              share/karvel/install/texts/dialog.en.txt share/karvel/install/icons/Unknown-big.bmp \
              share/karvel/install/sheets/evaluate_test.kvs share/karvel/library/prof \
              share/karvel/scenarios/ask_beam_name.json; do
    [ -e "$prefix/$file" ] || { echo "missing from the installed product: $file"; return 1; }
  done
  if find "$prefix/share" -name '*.py' | grep -q .; then
    echo "generator scripts were installed"; return 1
  fi
  for file in "$prefix"/bin/* "$prefix"/lib/*.so; do
    runpath="$(readelf -d "$file" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p;s/.*(RPATH).*\[\(.*\)\]/\1/p')"
    if [ "$runpath" != '$ORIGIN/../lib' ]; then
      echo "$file: library path '$runpath', expected \$ORIGIN/../lib"; return 1
    fi
  done
}

# run_scenarios PREFIX SCRATCH NAME...: the installed kvhost runs the named sample scenarios
# (each checks its own expected results) from an empty working folder.
run_scenarios() {
  local prefix="$1" scratch="$2" name scenarios=()
  shift 2
  for name in "$@"; do scenarios+=("$prefix/share/karvel/scenarios/$name.json"); done
  mkdir -p "$scratch/work" "$scratch/config"
  (cd "$scratch/work" &&
   env -u KV_LIB_DIR -u KV_DIR -u KV_MODULE -u KV_SOURCE_DIR -u KV_SETTINGS_FILE -u LD_LIBRARY_PATH \
       XDG_CONFIG_HOME="$scratch/config" KV_REGISTRY_FILE="$scratch/config/registry.json" \
       "$prefix/bin/kvhost" run "${scenarios[@]}")
}
