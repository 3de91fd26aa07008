// Helpers over the node vector shared by the parser and the structural edits.
#pragma once

#include "sheet/formula/postfix_formula.h"

namespace sheet {

// Puts a range's corners in order (first <= last in both directions), moving each '$' with
// the column or row it belongs to.
void normaliseRange(Node& first, Node& last);

}  // namespace sheet
