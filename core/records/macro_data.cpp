#include "core/records/macro_data.h"

#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

namespace {

using nlohmann::json;

using core_records::StrictMembers;

json idsToJson(const AcArray<AcDbObjectId>& ids) {
    json out = json::array();
    for (const AcDbObjectId& id : ids) out.push_back(id.asOldId());
    return out;
}

}  // namespace

void to_json(json& out, const MacroTabData& tab) {
    out = json{{"kind", tab.kind},
               {"moduleName", tab.moduleName},
               {"title", tab.title},
               {"templateFile", tab.templateFile},
               {"dwgListEnabled", tab.dwgListEnabled},
               {"dwgListValue", tab.dwgListValue},
               {"dwgListLink", tab.dwgListLink},
               {"cells", tab.cells},
               {"patterns", tab.patterns},
               {"bolt", tab.bolt},
               {"profiles", tab.profiles},
               {"segmentedProfiles", tab.segmentedProfiles},
               {"arrays", tab.arrays},
               {"cuts", tab.cuts},
               {"flexFixGroups", tab.flexFixGroups}};
}

void from_json(const json& in, MacroTabData& tab) {
    MacroTabData read;
    StrictMembers members(in, "MacroTabData");
    members.read("kind", read.kind);
    members.read("moduleName", read.moduleName);
    members.read("title", read.title);
    members.read("templateFile", read.templateFile);
    members.read("dwgListEnabled", read.dwgListEnabled);
    members.read("dwgListValue", read.dwgListValue);
    members.read("dwgListLink", read.dwgListLink);
    members.readRecords("cells", read.cells);
    members.readRecords("patterns", read.patterns);
    members.readRecord("bolt", read.bolt);
    members.readRecords("profiles", read.profiles);
    members.readRecords("segmentedProfiles", read.segmentedProfiles);
    members.readRecords("arrays", read.arrays);
    members.readRecords("cuts", read.cuts);
    members.readRecords("flexFixGroups", read.flexFixGroups);
    members.finish();
    tab = read;
}

void to_json(json& out, const MacroData& macro) {
    out = json{{"tempIds", idsToJson(macro.tempIds)},
               {"ids", idsToJson(macro.ids)},
               {"caption", macro.caption},
               {"groupKeys", macro.groupKeys},
               {"groupNames", macro.groupNames},
               {"groupIndex", macro.groupIndex},
               {"moduleNames", macro.moduleNames},
               {"filterNames", macro.filterNames},
               {"filterIndex", macro.filterIndex},
               {"tabs", macro.tabs},
               {"startTab", macro.startTab},
               {"openProfileOptions", macro.openProfileOptions},
               {"openProfileHint", macro.openProfileHint},
               {"tempObjects", macro.tempObjects},
               {"closedByDialog", macro.closedByDialog},
               {"busy", macro.busy}};
}

void from_json(const json& in, MacroData& macro) {
    MacroData read;
    StrictMembers members(in, "MacroData");
    members.read("tempIds", read.tempIds);
    members.read("ids", read.ids);
    members.read("caption", read.caption);
    members.read("groupKeys", read.groupKeys);
    members.read("groupNames", read.groupNames);
    members.read("groupIndex", read.groupIndex);
    members.read("moduleNames", read.moduleNames);
    members.read("filterNames", read.filterNames);
    members.read("filterIndex", read.filterIndex);
    members.readRecords("tabs", read.tabs);
    members.read("startTab", read.startTab);
    members.read("openProfileOptions", read.openProfileOptions);
    members.read("openProfileHint", read.openProfileHint);
    members.read("tempObjects", read.tempObjects);
    members.read("closedByDialog", read.closedByDialog);
    members.read("busy", read.busy);
    members.finish();
    macro = read;
}
