#include "core/records/macros_in_dlg_data.h"

#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_texts.h"
#include "core/records/strict_members.h"
#include "host/drawing_database.h"
#include "host/picks.h"

MacrosInDlgData::MacrosInDlgData() = default;
MacrosInDlgData::MacrosInDlgData(const MacrosInDlgData& other) = default;
MacrosInDlgData& MacrosInDlgData::operator=(const MacrosInDlgData& other) = default;
MacrosInDlgData::~MacrosInDlgData() = default;

bool MacrosInDlgData::GetAllMods(const AcDbObjectId& id, Kv_StringArray& names) {
    names.removeAll();
    const host::DrawingObject* macro = host::DrawingDatabase::instance().object(id);
    if (id.isNull() || !macro || macro->erased || macro->type != "Macro") return false;
    auto found = macro->properties.find("modules");
    if (found == macro->properties.end()) return true;
    if (const std::string* modules = std::get_if<std::string>(&found->second))
        for (const Kv_String& module : strToArr(Kv_String(*modules), ';'))
            if (!module.isEmpty()) names.append(module);
    return true;
}

bool MacrosInDlgData::UserSelectMacro() {
    AcDbObjectId picked;
    host::Point3d at;
    if (!host::pickObject(string(1137).str(), picked, at)) return false;
    Kv_StringArray names;
    if (!GetAllMods(picked, names)) return false;
    macroId = picked;
    modules = names;
    return true;
}

void to_json(nlohmann::json& out, const MacrosInDlgData& data) {
    out = nlohmann::json{{"macroId", data.macroId}, {"modules", data.modules}};
}

void from_json(const nlohmann::json& in, MacrosInDlgData& data) {
    core_records::StrictMembers members(in, "MacrosInDlgData");
    if (const nlohmann::json* id = members.take("macroId")) data.macroId = id->get<AcDbObjectId>();
    members.read("modules", data.modules);
    members.finish();
}
