// Copies a macro's geometry and variables into the constraint editor's record: the editor's own
// calls and the geometry and variables calls fill the same fields the same way.
#pragma once

#include "core/macro_model.h"
#include "core/records/edit_constr_data.h"

namespace constraint_record {

// The module's geometry elements; every geometry field empty when there is no module.
void fillGeometry(EditConstrData& r, const macro_model::Module* module);

// The macro's variables, dimensions and equations.
void fillVariables(EditConstrData& r, const macro_model::Macro& macro);

}  // namespace constraint_record
