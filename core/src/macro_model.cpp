#include "core/macro_model.h"

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/kv_settings.h"
#include "core/file_layer.h"
#include "core/records/edit_constr_data.h"
#include "core/records/strict_members.h"
#include "host/drawing_database.h"

namespace macro_model {

namespace {

using core_records::StrictMembers;
using nlohmann::json;

// A picture path of the file is relative to the installation folder unless it is absolute.
Kv_String picturePath(const Kv_String& given) {
    if (given.isEmpty() || given == kRadioBreak) return given;
    const char first = given.c_str()[0];
    if (first == '\\' || first == '/' || (given.length() > 1 && given.c_str()[1] == ':')) return given;
    return Kv_Settings::kvDir() + given;
}

template <typename Item, typename ReadOne>
std::vector<Item> readList(StrictMembers& members, const char* name, ReadOne readOne) {
    std::vector<Item> items;
    const json* list = members.take(name);
    if (!list) return items;
    if (!list->is_array()) members.fail(std::string("field \"") + name + "\" must be an array");
    for (const json& entry : *list) items.push_back(readOne(entry));
    return items;
}

std::vector<MenuEntry> readMenu(StrictMembers& members) {
    const json* menu = members.take("menu");
    if (!menu) return {};
    StrictMembers fields(*menu, "menu");
    Kv_StringArray labels;
    Kv_Array<int> codes;
    fields.read("labels", labels);
    fields.read("codes", codes);
    fields.finish();
    // Action codes run parallel to the items: separators take none.
    std::vector<MenuEntry> entries;
    int item = 0;
    for (const Kv_String& label : labels) {
        MenuEntry entry{label, 0};
        if (!label.equal("%BREAK%", true)) {
            entry.code = codes.isValidIndex(item) ? codes[item] : -1;
            ++item;
        }
        entries.push_back(entry);
    }
    return entries;
}

Constraint readConstraint(const json& in) {
    Constraint c;
    StrictMembers m(in, "constraint");
    m.read("name", c.name);
    m.read("type", c.type);
    m.read("kind", c.kind);
    m.read("features", c.features);
    m.read("value", c.value);
    m.read("variable", c.variableName);
    m.read("choices", c.choiceItems);
    m.read("choice", c.choiceIndex);
    m.read("firstCheck", c.firstCheck);
    m.read("secondCheck", c.secondCheck);
    m.read("options", c.optionImages);
    m.read("optionStates", c.optionStates);
    m.read("suppressed", c.suppressed);
    m.read("cutName", c.cutName);
    m.read("cutDepth", c.cutDepth);
    c.menu = readMenu(m);
    m.finish();
    if (c.name.isEmpty()) m.fail("a constraint needs a \"name\"");
    for (Kv_String& image : c.optionImages) image = picturePath(image);
    return c;
}

GeometryElement readElement(const json& in) {
    GeometryElement g;
    StrictMembers m(in, "geometry element");
    m.read("name", g.name);
    m.read("type", g.type);
    m.read("flexibility", g.flexibility);
    m.read("flag", g.flag);
    m.read("extra", g.extra);
    m.finish();
    if (g.name.isEmpty()) m.fail("a geometry element needs a \"name\"");
    return g;
}

Module readModule(const json& in) {
    Module module;
    StrictMembers m(in, "module");
    m.read("name", module.name);
    module.constraints = readList<Constraint>(m, "constraints", readConstraint);
    module.geometry = readList<GeometryElement>(m, "geometry", readElement);
    m.finish();
    if (module.name.isEmpty()) m.fail("a module needs a \"name\"");
    return module;
}

Variable readVariable(const json& in) {
    Variable v;
    StrictMembers m(in, "variable");
    m.read("name", v.name);
    m.read("value", v.value);
    m.read("type", v.type);
    m.finish();
    return v;
}

Macro readMacro(const json& in) {
    Macro macro;
    StrictMembers m(in, "macro");
    m.read("name", macro.name);
    macro.modules = readList<Module>(m, "modules", readModule);
    macro.variables = readList<Variable>(m, "variables", readVariable);
    m.read("dimensionNames", macro.dimensionNames);
    m.read("dimensionValues", macro.dimensionValues);
    m.read("equations", macro.equations);
    m.readRecord("settings", macro.settings);
    m.finish();
    if (macro.modules.empty()) m.fail("macro \"" + std::string(macro.name.c_str()) + "\" has no module");
    for (size_t i = 0; i < macro.modules.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (macro.modules[i].name == macro.modules[j].name)
                m.fail("module \"" + std::string(macro.modules[i].name.c_str()) + "\" is named twice");
    return macro;
}

// The drawing objects of a macro read from a file: the macro, each constraint and element.
void addToDrawing(Macro& macro) {
    host::DrawingDatabase& db = host::DrawingDatabase::instance();
    macro.id = db.addObject("Macro", {{"name", std::string(macro.name.c_str())}});
    for (Module& module : macro.modules) {
        for (Constraint& c : module.constraints)
            c.id = db.addObject("Constraint", {{"name", std::string(c.name.c_str())},
                                               {"module", std::string(module.name.c_str())},
                                               {"macro", static_cast<long long>(macro.id.asOldId())}});
        for (GeometryElement& g : module.geometry)
            g.id = db.addObject(
                g.type.isEmpty() ? "Element" : g.type.c_str(),
                {{"name", std::string(g.name.c_str())}, {"macro", static_cast<long long>(macro.id.asOldId())}});
    }
}

}  // namespace

Module* Macro::findModule(const Kv_String& moduleName) {
    for (Module& module : modules)
        if (module.name == moduleName) return &module;
    return nullptr;
}

Kv_StringArray Macro::moduleNames() const {
    Kv_StringArray names;
    for (const Module& module : modules) names.append(module.name);
    return names;
}

Drawing& Drawing::instance() {
    static Drawing drawing;
    return drawing;
}

bool Drawing::load(const Kv_String& path, std::string& error) {
    std::string bytes;
    if (!ObjectExportReadBytes(path, bytes)) {
        error = std::string(path.c_str()) + ": the file cannot be read";
        return false;
    }
    return loadText(bytes, path.c_str(), error);
}

bool Drawing::loadText(const std::string& text, const std::string& file, std::string& error) {
    json document = json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        error = file + ": not valid JSON";
        return false;
    }
    std::vector<Macro> read;
    try {
        StrictMembers m(document, "drawing");
        read = readList<Macro>(m, "macros", readMacro);
        m.finish();
        if (read.empty()) m.fail("the drawing holds no macro");
    } catch (const json::exception& refused) {
        std::string reason = refused.what();
        if (auto tagEnd = reason.find("] "); tagEnd != std::string::npos) reason.erase(0, tagEnd + 2);
        error = file + ": " + reason;
        return false;
    }
    for (Macro& macro : read) {
        addToDrawing(macro);
        macros_.push_back(std::move(macro));
    }
    return true;
}

Macro* Drawing::find(AcDbObjectId id) {
    for (Macro& macro : macros_)
        if (macro.id == id) return &macro;
    return nullptr;
}

Macro* Drawing::owner(AcDbObjectId id) {
    if (Macro* macro = find(id)) return macro;
    for (Macro& macro : macros_)
        for (const Module& module : macro.modules) {
            for (const Constraint& c : module.constraints)
                if (c.id == id) return &macro;
            for (const GeometryElement& g : module.geometry)
                if (g.id == id) return &macro;
        }
    return nullptr;
}

Kv_String sampleDrawingPath() { return Kv_Settings::libDir() + "Drawings\\base_plate.kvdrawing"; }

}  // namespace macro_model
