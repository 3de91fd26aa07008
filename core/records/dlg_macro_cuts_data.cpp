#include "core/records/dlg_macro_cuts_data.h"

#include <cctype>
#include <string>

#include <nlohmann/json.hpp>

#include "base/case_fold.h"
#include "core/records/strict_members.h"
#include "host/drawing_database.h"

DlgMacroCutsData::DlgMacroCutsData() = default;
DlgMacroCutsData::DlgMacroCutsData(const DlgMacroCutsData& other) = default;
DlgMacroCutsData& DlgMacroCutsData::operator=(const DlgMacroCutsData& other) = default;
DlgMacroCutsData::~DlgMacroCutsData() = default;

namespace {

struct DefaultParameter {
    const char* key;
    const char* variable;
    bool flag;
};

// One set per cut type: what a new cut of that type is driven by.
const std::vector<DefaultParameter>& defaultsOf(int cutType) {
    static const std::vector<DefaultParameter> sets[kvCutTypeCount] = {
        {{"Offset", "CutOffset", false}, {"LengthOffset", "CutLengthOffset", false}},
        {{"Offset", "CutOffset", false}, {"CenterOffset", "CutCenterOffset", false}, {"Radius", "CutRadius", true}},
        {{"InsideOffset", "CutInsideOffset", false}, {"OutsideOffset", "CutOutsideOffset", false}},
        {{"Offset1", "CutOffset1", false},
         {"Offset2", "CutOffset2", false},
         {"LengthOffset", "CutLengthOffset", false}},
        {{"Offset1", "ChamferOffset1", true}, {"Offset2", "ChamferOffset2", true}},
        {{"Radius", "FilletRadius", true}, {"PolyOffset", "FilletPolyOffset", false}},
    };
    return sets[cutType];
}

bool textProperty(const host::DrawingObject& object, const char* name, std::string& value) {
    auto found = object.properties.find(name);
    if (found == object.properties.end()) return false;
    const std::string* text = std::get_if<std::string>(&found->second);
    if (!text) return false;
    value = *text;
    return true;
}

bool isNumber(const std::string& text) {
    if (text.empty()) return false;
    size_t used = 0;
    try {
        (void)std::stod(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size();
}

}  // namespace

bool DlgMacroCutsData::GetDefaultValues(int cutType, Kv_StringArray& names, Kv_StringArray& values,
                                        Kv_Array<bool>& flags) {
    names.removeAll();
    values.removeAll();
    flags.removeAll();
    if (cutType < 0 || cutType >= kvCutTypeCount) return false;
    for (const DefaultParameter& parameter : defaultsOf(cutType)) {
        names.append(parameter.key);
        values.append(parameter.variable);
        flags.append(parameter.flag);
    }
    return true;
}

bool DlgMacroCutsData::CutNameInUse(const AcDbObjectId&, const Kv_String& macroName, const Kv_String& name,
                                    bool& inUse) const {
    inUse = false;
    if (macroName.isEmpty() || name.isEmpty()) return false;
    host::DrawingDatabase& drawing = host::DrawingDatabase::instance();
    for (const AcDbObjectId& id : drawing.objectIds("MacroCut")) {
        if (!cutId.isNull() && id == cutId) continue;
        const host::DrawingObject* cut = drawing.object(id);
        std::string module, cutName;
        if (!cut || cut->erased || !textProperty(*cut, "macro", module) || !textProperty(*cut, "name", cutName))
            continue;
        if (module == macroName.str() && cutName == name.str()) {
            inUse = true;
            break;
        }
    }
    return true;
}

bool DlgMacroCutsData::isValidVarName(const Kv_String& name) {
    const std::string& text = name.str();
    if (isNumber(text)) return true;
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return !base::startsWithIgnoringCase(text, "gen_");
}

bool DlgMacroCutsData::AreVarNamesValid() const {
    for (const Kv_String& name : varNames)
        if (!isValidVarName(name)) return false;
    return true;
}

void to_json(nlohmann::json& out, const DlgMacroCutsData& data) {
    nlohmann::json flags = nlohmann::json::array();
    for (bool flag : data.paramFlags) flags.push_back(flag);
    out = nlohmann::json{{"cutType", data.cutType},
                         {"editExisting", data.editExisting},
                         {"cutId", data.cutId},
                         {"name", data.name},
                         {"description", data.description},
                         {"paramNames", data.paramNames},
                         {"varNames", data.varNames},
                         {"paramFlags", flags},
                         {"macroId", data.macroId},
                         {"macroName", data.macroName},
                         {"mode", data.mode},
                         {"placement", data.placement},
                         {"cutBoth", data.cutBoth},
                         {"choice", data.choice},
                         {"weldPreparation", data.weldPreparation},
                         {"weldBothSides", data.weldBothSides},
                         {"keepGap", data.keepGap},
                         {"chamferBothEdges", data.chamferBothEdges},
                         {"chamferUnequal", data.chamferUnequal}};
}

void from_json(const nlohmann::json& in, DlgMacroCutsData& data) {
    core_records::StrictMembers members(in, "DlgMacroCutsData");
    members.read("cutType", data.cutType);
    members.read("editExisting", data.editExisting);
    if (const nlohmann::json* id = members.take("cutId")) data.cutId = id->get<AcDbObjectId>();
    members.read("name", data.name);
    members.read("description", data.description);
    members.read("paramNames", data.paramNames);
    members.read("varNames", data.varNames);
    if (const nlohmann::json* flags = members.take("paramFlags")) {
        if (!flags->is_array()) members.fail("field \"paramFlags\" must be an array of true or false");
        data.paramFlags.removeAll();
        for (const nlohmann::json& flag : *flags) {
            if (!flag.is_boolean()) members.fail("field \"paramFlags\" must be an array of true or false");
            data.paramFlags.append(flag.get<bool>());
        }
    }
    if (const nlohmann::json* id = members.take("macroId")) data.macroId = id->get<AcDbObjectId>();
    members.read("macroName", data.macroName);
    members.read("mode", data.mode);
    members.read("placement", data.placement);
    members.read("cutBoth", data.cutBoth);
    members.read("choice", data.choice);
    members.read("weldPreparation", data.weldPreparation);
    members.read("weldBothSides", data.weldBothSides);
    members.read("keepGap", data.keepGap);
    members.read("chamferBothEdges", data.chamferBothEdges);
    members.read("chamferUnequal", data.chamferUnequal);
    members.finish();
}
