#include "core/records/macro_settings_data.h"

#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

namespace {

using core_records::StrictMembers;
using nlohmann::json;

bool isBools(const json& m) {
    return StrictMembers::isArrayOf(m, [](const json& b) { return b.is_boolean(); });
}
bool isNumbers(const json& m) {
    return StrictMembers::isArrayOf(m, [](const json& v) { return v.is_number(); });
}
bool isNumberRows(const json& m) { return StrictMembers::isArrayOf(m, isNumbers); }

void readBools(StrictMembers& members, const char* name, Kv_Array<bool>& value) {
    members.readChecked(name, value, "an array of true or false", isBools);
}
void readNumbers(StrictMembers& members, const char* name, Kv_Array<double>& value) {
    members.readChecked(name, value, "an array of numbers", isNumbers);
}

void readSizeValues(StrictMembers& members, std::array<Kv_Array<double>, 4>& value) {
    const json* member = members.take("sectionSizeValues");
    if (!member) return;
    if (!isNumberRows(*member) || member->size() != 4)
        members.fail("field \"sectionSizeValues\" must be an array of four number arrays");
    for (size_t i = 0; i < 4; ++i) value[i] = (*member)[i].get<Kv_Array<double>>();
}

}  // namespace

void to_json(json& out, const MacroFilterSettings& s) {
    out = json::object();
    out["useAngleFilters"] = s.useAngleFilters;
    out["useDistanceFilters"] = s.useDistanceFilters;
    out["axisFilterEnabled"] = s.axisFilterEnabled;
    out["axisFilterNames"] = s.axisFilterNames;
    out["axisFilterMode"] = s.axisFilterMode;
    out["axisFilterValue1"] = s.axisFilterValue1;
    out["axisFilterValue2"] = s.axisFilterValue2;
    out["sectionAngleEnabled"] = s.sectionAngleEnabled;
    out["sectionAngleNames"] = s.sectionAngleNames;
    out["sectionAngleRanges"] = s.sectionAngleRanges;
    out["pathDistanceEnabled"] = s.pathDistanceEnabled;
    out["pathDistanceNames"] = s.pathDistanceNames;
    out["pathDistanceValue1"] = s.pathDistanceValue1;
    out["pathDistanceValue2"] = s.pathDistanceValue2;
    out["sectionSizeEnabled"] = s.sectionSizeEnabled;
    out["sectionSizeNames"] = s.sectionSizeNames;
    out["sectionSizeValues"] = json::array();
    for (const Kv_Array<double>& values : s.sectionSizeValues) out["sectionSizeValues"].push_back(values);
}

void from_json(const json& in, MacroFilterSettings& settings) {
    MacroFilterSettings s;
    StrictMembers m(in, "MacroFilterSettings");
    m.read("useAngleFilters", s.useAngleFilters);
    m.read("useDistanceFilters", s.useDistanceFilters);
    readBools(m, "axisFilterEnabled", s.axisFilterEnabled);
    m.read("axisFilterNames", s.axisFilterNames);
    m.read("axisFilterMode", s.axisFilterMode);
    readNumbers(m, "axisFilterValue1", s.axisFilterValue1);
    readNumbers(m, "axisFilterValue2", s.axisFilterValue2);
    readBools(m, "sectionAngleEnabled", s.sectionAngleEnabled);
    m.read("sectionAngleNames", s.sectionAngleNames);
    m.readChecked("sectionAngleRanges", s.sectionAngleRanges, "an array of number arrays", isNumberRows);
    readBools(m, "pathDistanceEnabled", s.pathDistanceEnabled);
    m.read("pathDistanceNames", s.pathDistanceNames);
    readNumbers(m, "pathDistanceValue1", s.pathDistanceValue1);
    readNumbers(m, "pathDistanceValue2", s.pathDistanceValue2);
    readBools(m, "sectionSizeEnabled", s.sectionSizeEnabled);
    m.read("sectionSizeNames", s.sectionSizeNames);
    readSizeValues(m, s.sectionSizeValues);
    m.finish();
    settings = s;
}

void to_json(json& out, const MacroTableSettings& s) {
    out = json{{"firstChoice", s.firstChoice},
               {"secondChoice", s.secondChoice},
               {"count", s.count},
               {"labels", s.labels},
               {"numbers", s.numbers}};
}

void from_json(const json& in, MacroTableSettings& settings) {
    MacroTableSettings s;
    StrictMembers m(in, "MacroTableSettings");
    m.read("firstChoice", s.firstChoice);
    m.read("secondChoice", s.secondChoice);
    m.read("count", s.count);
    m.read("labels", s.labels);
    readNumbers(m, "numbers", s.numbers);
    m.finish();
    settings = s;
}

void to_json(json& out, const MacroListSettings& s) {
    out = json{{"firstText", s.firstText},
               {"secondText", s.secondText},
               {"column1", s.column1},
               {"column2", s.column2},
               {"column3", s.column3}};
}

void from_json(const json& in, MacroListSettings& settings) {
    MacroListSettings s;
    StrictMembers m(in, "MacroListSettings");
    m.read("firstText", s.firstText);
    m.read("secondText", s.secondText);
    m.read("column1", s.column1);
    m.read("column2", s.column2);
    m.read("column3", s.column3);
    m.finish();
    settings = s;
}

void to_json(json& out, const MacroTemplateSettings& s) {
    out = json{{"choiceList", s.choiceList},
               {"perTemplateLists", s.perTemplateLists},
               {"perTemplateChoice", s.perTemplateChoice}};
}

void from_json(const json& in, MacroTemplateSettings& settings) {
    MacroTemplateSettings s;
    StrictMembers m(in, "MacroTemplateSettings");
    m.read("choiceList", s.choiceList);
    m.read("perTemplateLists", s.perTemplateLists);
    m.read("perTemplateChoice", s.perTemplateChoice);
    m.finish();
    settings = s;
}

void to_json(json& out, const MacroSettingsData& s) {
    out = json{{"filterSettings", s.filterSettings},
               {"tableSettings", s.tableSettings},
               {"listSettings", s.listSettings},
               {"templateSettings", s.templateSettings}};
}

void from_json(const json& in, MacroSettingsData& settings) {
    MacroSettingsData s;
    StrictMembers m(in, "MacroSettingsData");
    m.readRecord("filterSettings", s.filterSettings);
    m.readRecord("tableSettings", s.tableSettings);
    m.readRecord("listSettings", s.listSettings);
    m.readRecord("templateSettings", s.templateSettings);
    m.finish();
    settings = s;
}
