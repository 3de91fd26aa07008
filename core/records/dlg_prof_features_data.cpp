#include "core/records/dlg_prof_features_data.h"

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

DlgProfFeaturesData::DlgProfFeaturesData() = default;
DlgProfFeaturesData::DlgProfFeaturesData(const DlgProfFeaturesData& other) = default;
DlgProfFeaturesData& DlgProfFeaturesData::operator=(const DlgProfFeaturesData& other) = default;
DlgProfFeaturesData::~DlgProfFeaturesData() = default;

void to_json(nlohmann::json& out, const DlgProfFeaturesData& data) {
    out = nlohmann::json{{"caption", data.caption},     {"profile", data.profile},       {"label1", data.label1},
                         {"value1", data.value1},       {"label2", data.label2},         {"value2", data.value2},
                         {"label3", data.label3},       {"altLabel3", data.altLabel3},   {"value3", data.value3},
                         {"altValue3", data.altValue3}, {"row3AsList", data.row3AsList}, {"label4", data.label4},
                         {"value4", data.value4},       {"checkLabel", data.checkLabel}, {"checked", data.checked},
                         {"choices", data.choices}};
}

void from_json(const nlohmann::json& in, DlgProfFeaturesData& data) {
    core_records::StrictMembers members(in, "DlgProfFeaturesData");
    DlgProfFeaturesData read;
    members.read("caption", read.caption);
    members.read("profile", read.profile);
    members.read("label1", read.label1);
    members.read("value1", read.value1);
    members.read("label2", read.label2);
    members.read("value2", read.value2);
    members.read("label3", read.label3);
    members.read("altLabel3", read.altLabel3);
    members.read("value3", read.value3);
    members.read("altValue3", read.altValue3);
    members.read("row3AsList", read.row3AsList);
    members.read("label4", read.label4);
    members.read("value4", read.value4);
    members.read("checkLabel", read.checkLabel);
    members.read("checked", read.checked);
    members.read("choices", read.choices);
    members.finish();
    data = read;
}
