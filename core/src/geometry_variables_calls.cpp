#include "core/geometry_variables_calls.h"

#include <cctype>
#include <set>
#include <string>

#include "core/macro_model.h"
#include "core/records/edit_constr_data.h"
#include "constraint_record_fill.h"
#include "host/command_line.h"
#include "host/drawing_database.h"

using macro_model::Drawing;
using macro_model::GeometryElement;
using macro_model::Macro;
using macro_model::Module;

using constraint_record::fillGeometry;
using constraint_record::fillVariables;

namespace {

std::set<AcDbObjectId> highlightedObjects;

EditConstrData& recordOf(void* record) { return *static_cast<EditConstrData*>(record); }

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

std::string text(const Kv_String& s) { return s.c_str(); }

// The element of the record's macro with this id, nullptr when it has none.
GeometryElement* elementOf(EditConstrData& r, AcDbObjectId id, Macro** macroOut) {
    Macro* macro = Drawing::instance().find(r.macroId);
    if (!macro) return nullptr;
    for (Module& module : macro->modules)
        for (GeometryElement& g : module.geometry)
            if (g.id == id) {
                *macroOut = macro;
                return &g;
            }
    return nullptr;
}

void refillGeometry(EditConstrData& r, Macro& macro) { fillGeometry(r, macro.findModule(r.currentModule)); }

bool liveObject(AcDbObjectId id) {
    const host::DrawingObject* object = drawing().object(id);
    return object && !object->erased;
}

// The names an equation reads: runs of letters, digits and '_' that begin with a letter or
// '_', other than function names (a name followed by '(').
std::set<std::string> namesIn(const std::string& equation) {
    std::set<std::string> names;
    for (size_t i = 0; i < equation.size();) {
        const auto c = static_cast<unsigned char>(equation[i]);
        if (!(std::isalpha(c) || c == '_')) {
            // A number's exponent ("1e5") is part of the number.
            if (std::isdigit(c) || c == '.')
                while (i < equation.size() &&
                       (std::isalnum(static_cast<unsigned char>(equation[i])) || equation[i] == '.'))
                    ++i;
            else
                ++i;
            continue;
        }
        size_t end = i;
        while (end < equation.size() &&
               (std::isalnum(static_cast<unsigned char>(equation[end])) || equation[end] == '_'))
            ++end;
        size_t next = end;
        while (next < equation.size() && equation[next] == ' ') ++next;
        if (next >= equation.size() || equation[next] != '(') names.insert(equation.substr(i, end - i));
        i = end;
    }
    return names;
}

void reportUnknownNames(const Macro& macro) {
    std::set<std::string> known;
    for (const macro_model::Variable& v : macro.variables) known.insert(text(v.name));
    for (const Module& module : macro.modules)
        for (const macro_model::Constraint& c : module.constraints)
            if (!c.variableName.isEmpty()) known.insert(text(c.variableName));
    for (const Kv_String& equation : macro.equations)
        for (const std::string& name : namesIn(text(equation)))
            if (!known.count(name))
                acutPrintf("Equation \"%s\": the variable \"%s\" is unknown.\n", equation.c_str(), name.c_str());
}

}  // namespace

bool GetGeomFlexibility(void* record) {
    EditConstrData& r = recordOf(record);
    Macro* macro = Drawing::instance().find(r.macroId);
    const Module* module = macro ? macro->findModule(r.currentModule) : nullptr;
    fillGeometry(r, module);
    return module != nullptr;
}

bool UpdateGeomFlexibility(void* record, AcDbObjectId element, int value, int extra) {
    EditConstrData& r = recordOf(record);
    Macro* macro = nullptr;
    GeometryElement* g = elementOf(r, element, &macro);
    if (!g || value < 1 || value > 3) return false;
    g->flexibility = value - 1;
    g->extra = extra;
    drawing().setProperty(g->id, "flexibility", static_cast<long long>(g->flexibility));
    refillGeometry(r, *macro);
    return true;
}

bool UpdateConstrGeom(void* record, AcDbObjectId element, bool on) {
    EditConstrData& r = recordOf(record);
    Macro* macro = nullptr;
    GeometryElement* g = elementOf(r, element, &macro);
    if (!g || g->flag < 0) return false;
    g->flag = on ? 1 : 0;
    drawing().setProperty(g->id, "constraintGeometry", static_cast<long long>(g->flag));
    refillGeometry(r, *macro);
    return true;
}

bool HighlightObject(AcDbObjectId object) {
    if (!liveObject(object)) return false;
    if (highlightedObjects.insert(object).second) drawing().logAction("highlight", object, "");
    return true;
}

bool UnHighlightObject(AcDbObjectId object) {
    if (!liveObject(object)) return false;
    if (highlightedObjects.erase(object) > 0) drawing().logAction("unhighlight", object, "");
    return true;
}

bool UpdateVarsEqs(void* record) {
    EditConstrData& r = recordOf(record);
    Macro* macro = Drawing::instance().find(r.macroId);
    if (!macro) return false;
    std::vector<macro_model::Variable> variables;
    for (int i = 0; i < r.macroVariableNames.length(); ++i) {
        macro_model::Variable v;
        v.name = r.macroVariableNames[i];
        v.value = r.macroVariableValues.isValidIndex(i) ? r.macroVariableValues[i] : 0;
        v.type = r.macroVariableTypes.isValidIndex(i) ? r.macroVariableTypes[i] : 0;
        variables.push_back(v);
    }
    // Only what changed goes to the drawing; the equations are checked again when anything did.
    bool changed = variables.size() != macro->variables.size();
    for (size_t i = 0; i < variables.size(); ++i) {
        const macro_model::Variable& v = variables[i];
        const bool same = i < macro->variables.size() && macro->variables[i].name == v.name &&
                          macro->variables[i].value == v.value && macro->variables[i].type == v.type;
        changed = changed || !same;
        if (!same)
            drawing().logAction("variable", macro->id, text(v.name) + " type " + std::to_string(v.type), v.value);
    }
    for (size_t i = variables.size(); i < macro->variables.size(); ++i)
        drawing().logAction("remove variable", macro->id, text(macro->variables[i].name));
    macro->variables = std::move(variables);
    if (!(macro->equations == r.equations)) {
        macro->equations = r.equations;
        drawing().logAction("equations", macro->id, text(macro->equations.join("; ")));
        changed = true;
    }
    if (changed) reportUnknownNames(*macro);
    fillVariables(r, *macro);
    return true;
}
