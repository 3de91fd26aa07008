#include "core/records/tw_cladding_dlg_data.h"

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

bool isValidConstrainType(TwPurlinType purlinType, TwCladConstrainType type, bool includeFree) {
    // Rows: purlin types 0 to 3; columns: constraint types 0 to 4.
    static constexpr bool kAllowed[4][kCladConstrainTypeCount] = {
        {true, true, true, true, true},
        {true, true, true, false, true},
        {true, true, false, false, true},
        {true, true, false, false, false},
    };
    if (purlinType < 0 || purlinType >= 4 || type < 0 || type >= kCladConstrainTypeCount) return false;
    if (type == kCladConstrainFree && !includeFree) return false;
    return kAllowed[purlinType][type];
}

TwCladdingDlgData::TwCladdingDlgData() = default;
TwCladdingDlgData::TwCladdingDlgData(const TwCladdingDlgData& other) = default;
TwCladdingDlgData& TwCladdingDlgData::operator=(const TwCladdingDlgData& other) = default;
TwCladdingDlgData::~TwCladdingDlgData() = default;

void to_json(nlohmann::json& out, const TwCladdingDlgData& data) {
    out = nlohmann::json{{"profile", data.profile},
                         {"purlinType", static_cast<int>(data.purlinType)},
                         {"choiceA", data.choiceA},
                         {"flag", data.flag},
                         {"choiceB", data.choiceB},
                         {"value", data.value},
                         {"constraintStart", static_cast<int>(data.constraintStart)},
                         {"constraintEnd", static_cast<int>(data.constraintEnd)}};
}

void from_json(const nlohmann::json& in, TwCladdingDlgData& data) {
    core_records::StrictMembers members(in, "TwCladdingDlgData");
    TwCladdingDlgData read;
    int purlinType = read.purlinType, start = read.constraintStart, end = read.constraintEnd;
    members.read("profile", read.profile);
    members.read("purlinType", purlinType);
    members.read("choiceA", read.choiceA);
    members.read("flag", read.flag);
    members.read("choiceB", read.choiceB);
    members.read("value", read.value);
    members.read("constraintStart", start);
    members.read("constraintEnd", end);
    members.finish();
    read.purlinType = static_cast<TwPurlinType>(purlinType);
    read.constraintStart = static_cast<TwCladConstrainType>(start);
    read.constraintEnd = static_cast<TwCladConstrainType>(end);
    data = read;
}
