#include "constraint_record_fill.h"

#include <cstdint>

namespace constraint_record {

void fillGeometry(EditConstrData& r, const macro_model::Module* module) {
    r.geometryCells.removeAll();
    r.flexibility.removeAll();
    r.geometryFlag.removeAll();
    r.geometryIds.removeAll();
    r.geometryExtra.removeAll();
    if (!module) return;
    for (const macro_model::GeometryElement& g : module->geometry) {
        Kv_StringArray cells;
        cells.append(g.name);
        cells.append(g.type);
        r.geometryCells.append(cells);
        r.flexibility.append(g.flexibility);
        r.geometryFlag.append(g.flag);
        r.geometryIds.append(g.id);
        r.geometryExtra.append(g.extra);
    }
}

void fillVariables(EditConstrData& r, const macro_model::Macro& macro) {
    r.macroVariableNames.removeAll();
    r.macroVariableValues.removeAll();
    r.macroVariableTypes.removeAll();
    for (const macro_model::Variable& v : macro.variables) {
        r.macroVariableNames.append(v.name);
        r.macroVariableValues.append(v.value);
        r.macroVariableTypes.append(static_cast<std::int16_t>(v.type));
    }
    r.dimensionNames = macro.dimensionNames;
    r.dimensionValues = macro.dimensionValues;
    r.equations = macro.equations;
}

}  // namespace constraint_record
