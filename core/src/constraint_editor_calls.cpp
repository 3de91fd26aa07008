#include "core/constraint_editor_calls.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <set>

#include "core/macro_model.h"
#include "core/records/edit_constr_data.h"
#include "constraint_record_fill.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "host/picks.h"

using macro_model::Constraint;
using macro_model::Drawing;
using macro_model::Macro;
using macro_model::Module;

namespace {

std::function<void()> zoomHook;
std::set<AcDbObjectId> highlighted;

EditConstrData& recordOf(void* record) { return *static_cast<EditConstrData*>(record); }

Macro* macroOf(const EditConstrData& r) { return Drawing::instance().find(r.macroId); }

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

std::string text(const Kv_String& s) { return s.c_str(); }

const Kv_String kTypeNames[] = {"Parallel",     "Perpendicular", "Coincident", "Symmetric", "Tangent", "Concentric",
                                "Equal radius", "Distance",      "Angle",      "Radius",    "Fixed"};

Kv_StringArray cellsOf(const Constraint& c) {
    Kv_StringArray cells;
    cells.append(c.name);
    cells.append(c.type);
    cells.append(c.value);
    cells.append(c.suppressed ? Kv_String("suppressed") : c.variableName);
    return cells;
}

void fillConstraints(EditConstrData& r, const Module* module) {
    r.constraintIds.removeAll();
    r.constraintKinds.removeAll();
    r.rowCells.removeAll();
    r.optionImages.removeAll();
    r.features.removeAll();
    r.values.removeAll();
    r.variableNames.removeAll();
    r.choiceIndex.removeAll();
    r.firstCheck.removeAll();
    r.secondCheck.removeAll();
    r.choiceItems.removeAll();
    r.optionStates.removeAll();
    constraint_record::fillGeometry(r, module);
    if (!module) return;
    for (const Constraint& c : module->constraints) {
        r.constraintIds.append(static_cast<int>(c.id.asOldId()));
        r.constraintKinds.append(c.kind);
        r.rowCells.append(cellsOf(c));
        r.optionImages.append(c.optionImages);
        r.features.append(c.features);
        r.values.append(c.value);
        r.variableNames.append(c.variableName);
        r.choiceIndex.append(c.choiceIndex);
        r.firstCheck.append(c.firstCheck);
        r.secondCheck.append(c.secondCheck);
        r.choiceItems.append(c.choiceItems);
        r.optionStates.append(c.optionStates);
    }
}

void fillMacro(EditConstrData& r, const Macro& macro) {
    r.moduleNames = macro.moduleNames();
    constraint_record::fillVariables(r, macro);
}

// The constraint at a row of the record, with its module; nullptr when the row names none.
Constraint* constraintAt(EditConstrData& r, int row, Module** moduleOut = nullptr) {
    Macro* macro = macroOf(r);
    if (!macro || !r.constraintIds.isValidIndex(row)) return nullptr;
    const AcDbObjectId id = AcDbObjectId::fromOldId(r.constraintIds[row]);
    for (Module& module : macro->modules)
        for (Constraint& c : module.constraints)
            if (c.id == id) {
                if (moduleOut) *moduleOut = &module;
                return &c;
            }
    return nullptr;
}

std::vector<macro_model::MenuEntry> menuOf(const Constraint& c) {
    if (!c.menu.empty()) return c.menu;
    return {{"Zoom to", 1}, {"%BREAK%", 0}, {"Suppress", 2}, {"Reverse direction", 3}};
}

bool addConstraint(EditConstrData& r, Macro& macro, int command) {
    Module* module = macro.findModule(r.currentModule);
    if (!module) return false;
    const int picks = command == kCmdRadius || command == kCmdHidden10 ? 1 : 2;
    AcDbObjectId picked[2];
    for (int i = 0; i < picks; ++i) {
        host::Point3d at;
        if (!host::pickObject(i == 0 ? "Select the first element" : "Select the second element", picked[i], at))
            return false;
    }
    Constraint c;
    c.type = kTypeNames[command];
    Kv_StringArray names;
    for (const Constraint& other : module->constraints) names.append(other.name);
    c.name = findNonExistingString(names, c.type + " 1");
    if (command == kCmdDistance || command == kCmdAngle || command == kCmdRadius) {
        c.features.append(0);
        c.features.append(1);
        c.value = command == kCmdAngle ? "90" : "0";
    }
    c.id = drawing().addObject("Constraint", {{"name", text(c.name)},
                                              {"module", text(module->name)},
                                              {"macro", static_cast<long long>(macro.id.asOldId())},
                                              {"first", static_cast<long long>(picked[0].asOldId())}});
    module->constraints.push_back(c);
    fillMacro(r, macro);
    fillConstraints(r, module);
    r.currentConstraintId = static_cast<int>(c.id.asOldId());
    return true;
}

}  // namespace

bool FillEditConstrData(void* record) {
    EditConstrData& r = recordOf(record);
    Macro* macro = macroOf(r);
    if (!macro) return false;
    fillMacro(r, *macro);
    fillConstraints(r, macro->findModule(r.currentModule));
    return true;
}

bool MacroGetModules(void* record, Kv_StringArray& names) {
    Macro* macro = macroOf(recordOf(record));
    if (!macro) return false;
    names = macro->moduleNames();
    return true;
}

bool SetCurrentModule(void* record, const Kv_String& name) {
    EditConstrData& r = recordOf(record);
    Macro* macro = macroOf(r);
    Module* module = macro ? macro->findModule(name) : nullptr;
    r.currentModule = name;
    if (macro) fillMacro(r, *macro);
    fillConstraints(r, module);
    return module != nullptr;
}

bool RenameModule(void* record, const Kv_String& newName) {
    EditConstrData& r = recordOf(record);
    Macro* macro = macroOf(r);
    Module* module = macro ? macro->findModule(r.currentModule) : nullptr;
    if (!module || newName.isEmpty() || macro->findModule(newName)) return false;
    drawing().logAction("rename module", macro->id, text(module->name + " -> " + newName));
    module->name = newName;
    r.currentModule = newName;
    fillMacro(r, *macro);
    return true;
}

bool RemoveModule(void* record, const Kv_String& name) {
    EditConstrData& r = recordOf(record);
    Macro* macro = macroOf(r);
    if (!macro || macro->modules.size() < 2) return false;
    auto found =
        std::find_if(macro->modules.begin(), macro->modules.end(), [&](const Module& m) { return m.name == name; });
    if (found == macro->modules.end()) return false;
    for (const Constraint& c : found->constraints) drawing().eraseObject(c.id);
    drawing().logAction("remove module", macro->id, text(name));
    macro->modules.erase(found);
    fillMacro(r, *macro);
    return true;
}

bool SelectOtherMacro(void* record) {
    EditConstrData& r = recordOf(record);
    AcDbObjectId picked;
    host::Point3d at;
    if (!host::pickObject("Select a macro", picked, at)) return false;
    Macro* macro = Drawing::instance().owner(picked);
    if (!macro) {
        acutPrintf("The object is no macro.\n");
        return false;
    }
    r.macroId = macro->id;
    r.currentModule = macro->modules.front().name;
    r.currentConstraintId = 0;
    fillMacro(r, *macro);
    fillConstraints(r, &macro->modules.front());
    return true;
}

bool StartMacroCommand(void* record, int& command) {
    EditConstrData& r = recordOf(record);
    Macro* macro = macroOf(r);
    if (!macro || command < kCmdParallel || command > kCmdCoordSys) return false;
    if (command <= kCmdHidden10) return addConstraint(r, *macro, command);
    if (command == kCmdAddModule) {
        host::Point3d origin;
        if (!host::pickPoint("Origin of the new module", origin)) return false;
        Module module;
        module.name = findNonExistingString(macro->moduleNames(), "Module 1");
        drawing().logAction("add module", macro->id, text(module.name), origin);
        macro->modules.push_back(module);
        fillMacro(r, *macro);
        return true;
    }
    if (command == kCmdBoltPattern) {
        host::Point3d at;
        if (!host::pickPoint("Place the bolt pattern", at)) return false;
        drawing().addObject("BoltPattern", {{"macro", static_cast<long long>(macro->id.asOldId())}, {"at", at}});
        return true;
    }
    host::Plane plane;
    if (!host::pickPlane("Coordinate system", plane)) return false;
    drawing().addObject("CoordSys", {{"macro", static_cast<long long>(macro->id.asOldId())}, {"origin", plane.origin}});
    return true;
}

bool ZoomCommand() {
    drawing().logAction("zoom", AcDbObjectId(), "macro");
    if (zoomHook) zoomHook();
    return true;
}

void setZoomCommandHook(std::function<void()> hook) { zoomHook = std::move(hook); }

bool UpdateConstraint(void* record, int row) {
    EditConstrData& r = recordOf(record);
    Constraint* c = constraintAt(r, row);
    if (!c) return false;
    if (r.values.isValidIndex(row) && r.values[row] != c->value) {
        c->value = r.values[row];
        drawing().setProperty(c->id, "value", text(c->value));
    }
    if (r.variableNames.isValidIndex(row) && r.variableNames[row] != c->variableName) {
        c->variableName = r.variableNames[row];
        drawing().setProperty(c->id, "variable", text(c->variableName));
    }
    if (r.choiceIndex.isValidIndex(row) && r.choiceIndex[row] != c->choiceIndex) {
        c->choiceIndex = r.choiceIndex[row];
        drawing().setProperty(c->id, "choice", static_cast<long long>(c->choiceIndex));
    }
    if (r.firstCheck.isValidIndex(row) && r.firstCheck.items()[row] != c->firstCheck) {
        c->firstCheck = r.firstCheck.items()[row];
        drawing().setProperty(c->id, "firstCheck", static_cast<long long>(c->firstCheck));
    }
    if (r.secondCheck.isValidIndex(row) && r.secondCheck.items()[row] != c->secondCheck) {
        c->secondCheck = r.secondCheck.items()[row];
        drawing().setProperty(c->id, "secondCheck", static_cast<long long>(c->secondCheck));
    }
    if (r.optionStates.isValidIndex(row) && !(r.optionStates[row] == c->optionStates)) {
        c->optionStates = r.optionStates[row];
        for (int i = 0; i < c->optionStates.length(); ++i)
            drawing().setProperty(c->id, "option" + std::to_string(i + 1), static_cast<long long>(c->optionStates[i]));
    }
    if (r.rowCells.isValidIndex(row)) r.rowCells[row] = cellsOf(*c);
    return true;
}

bool HighlightConstraint(void* record, int row) {
    EditConstrData& r = recordOf(record);
    Constraint* c = constraintAt(r, row);
    if (!c) return false;
    if (highlighted.insert(c->id).second) drawing().logAction("highlight", c->id, text(c->name));
    return true;
}

bool UnHighlightConstraints(void* record) {
    EditConstrData& r = recordOf(record);
    Macro* macro = macroOf(r);
    if (!macro) return false;
    for (auto it = highlighted.begin(); it != highlighted.end();) {
        if (Drawing::instance().owner(*it) == macro || !drawing().object(*it) || drawing().object(*it)->erased) {
            drawing().logAction("unhighlight", *it, "");
            it = highlighted.erase(it);
        } else {
            ++it;
        }
    }
    return true;
}

bool DeleteConstraint(void* record, int row) {
    EditConstrData& r = recordOf(record);
    Module* module = nullptr;
    Constraint* c = constraintAt(r, row, &module);
    if (!c) return false;
    const AcDbObjectId id = c->id;
    highlighted.erase(id);
    drawing().eraseObject(id);
    module->constraints.erase(module->constraints.begin() + (c - module->constraints.data()));
    fillConstraints(r, macroOf(r)->findModule(r.currentModule));
    return true;
}

bool SortConstraints(void* record, int column, int previousColumn) {
    EditConstrData& r = recordOf(record);
    const int count = r.rowCells.length();
    if (column < 1 || column > 4) return false;
    auto cell = [&](int row, int col) -> Kv_String {
        if (col < 1 || !r.rowCells[row].isValidIndex(col - 1)) return Kv_String();
        return r.rowCells[row][col - 1];
    };
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        int first = kvNaturalCompare(cell(a, column), cell(b, column));
        if (first != 0) return first < 0;
        return kvNaturalCompare(cell(a, previousColumn), cell(b, previousColumn)) < 0;
    });
    auto reorder = [&](auto& array) {
        if (array.length() != count) return;
        auto copy = array;
        for (int i = 0; i < count; ++i) array.items()[i] = copy.items()[order[static_cast<size_t>(i)]];
    };
    reorder(r.constraintIds);
    reorder(r.constraintKinds);
    reorder(r.rowCells);
    reorder(r.optionImages);
    reorder(r.features);
    reorder(r.values);
    reorder(r.variableNames);
    reorder(r.choiceIndex);
    reorder(r.firstCheck);
    reorder(r.secondCheck);
    reorder(r.choiceItems);
    reorder(r.optionStates);
    // The module keeps the order, so that a refill shows the list as sorted.
    if (Macro* macro = macroOf(r))
        if (Module* module = macro->findModule(r.currentModule)) {
            std::stable_sort(module->constraints.begin(), module->constraints.end(),
                             [&](const Constraint& a, const Constraint& b) {
                                 auto rank = [&](const Constraint& c) {
                                     int at = r.constraintIds.findValue(static_cast<int>(c.id.asOldId()));
                                     return at < 0 ? count : at;
                                 };
                                 return rank(a) < rank(b);
                             });
            drawing().logAction("sort", macro->id, text(module->name), static_cast<long long>(column));
        }
    return true;
}

bool VarNameInUse(void* record, const Kv_String& name, bool& inUse) {
    EditConstrData& r = recordOf(record);
    Macro* macro = macroOf(r);
    if (!macro) return false;
    inUse = false;
    for (const Module& module : macro->modules)
        for (const Constraint& c : module.constraints)
            if (c.id.asOldId() != r.currentConstraintId && c.variableName == name) inUse = true;
    for (const macro_model::Variable& v : macro->variables)
        if (v.name == name) inUse = true;
    return true;
}

bool ConstrContextMenu(void* record, int row, Kv_StringArray& labels, Kv_Array<int>& actionCodes,
                       Kv_Array<int>& checkedIndices) {
    EditConstrData& r = recordOf(record);
    Constraint* c = constraintAt(r, row);
    if (!c) return false;
    labels.removeAll();
    actionCodes.removeAll();
    checkedIndices.removeAll();
    int item = 0;
    bool coded = true;
    for (const macro_model::MenuEntry& entry : menuOf(*c)) {
        labels.append(entry.label);
        if (entry.label.equal("%BREAK%", true)) continue;
        // Codes run parallel to the items; the first item without one ends the codes.
        coded = coded && entry.code >= 0;
        if (coded) actionCodes.append(entry.code);
        if (entry.code == 2 && c->suppressed) checkedIndices.append(item);
        ++item;
    }
    return true;
}

bool ContextMenuAction(void* record, int row, int actionCode) {
    EditConstrData& r = recordOf(record);
    Constraint* c = constraintAt(r, row);
    if (!c) return false;
    switch (actionCode) {
    case 1: drawing().logAction("zoom", c->id, text(c->name)); break;
    case 2:
        c->suppressed = !c->suppressed;
        drawing().setProperty(c->id, "suppressed", static_cast<long long>(c->suppressed));
        if (r.rowCells.isValidIndex(row)) r.rowCells[row] = cellsOf(*c);
        break;
    case 3: drawing().logAction("reverse", c->id, text(c->name)); break;
    default: drawing().logAction("menu action", c->id, text(c->name), static_cast<long long>(actionCode)); break;
    }
    return true;
}

bool startsWithNumber(const Kv_String& name) {
    return !name.isEmpty() && std::isdigit(static_cast<unsigned char>(name.c_str()[0]));
}
