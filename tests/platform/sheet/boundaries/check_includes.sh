#!/bin/sh
# The sheet engine's parts reach each other only through their narrow interfaces:
# - the file formats, the window class and the tool use the public headers (sheet/...) only;
# - the calculation sees of the model only model/formula_cells.h;
# - the model's headers name no part of the calculation (its .cpp files tell it of changes).
# Prints every include that breaks a rule; fails when there is one.
root=${1:?usage: check_includes.sh <source root>}/platform/sheet
cd "$root" || exit 2
found=0
report() {
  [ -n "$1" ] || return 0
  echo "$2:"
  echo "$1"
  found=1
}
report "$(grep -rHn '#include "\(model\|calc\)/' file view cli)" \
  "files, view and tool reach into the model or the calculation"
report "$(grep -rHn '#include "model/' calc | grep -v 'model/formula_cells.h')" \
  "the calculation reaches past its view of the model (model/formula_cells.h)"
report "$(grep -rHn --include='*.h' '#include "calc/' model)" "a model header names the calculation"
exit $found
