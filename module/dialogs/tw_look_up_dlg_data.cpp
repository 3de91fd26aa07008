#include "dialogs/tw_look_up_dlg_data.h"

#include <nlohmann/json.hpp>

#include "frame/record_json.h"

TwLookUpDlgData::TwLookUpDlgData() = default;
TwLookUpDlgData::TwLookUpDlgData(const TwLookUpDlgData& other) = default;
TwLookUpDlgData& TwLookUpDlgData::operator=(const TwLookUpDlgData& other) = default;
TwLookUpDlgData::~TwLookUpDlgData() = default;

bool operator==(const TwLookUpDlgData& a, const TwLookUpDlgData& b) { return nlohmann::json(a) == nlohmann::json(b); }

void to_json(nlohmann::json& out, const TwLookUpDlgData& data) {
    out = nlohmann::json{{"text1", data.text1},
                         {"list1", data.list1},
                         {"text2", data.text2},
                         {"list2", data.list2},
                         {"text3", data.text3},
                         {"list3", data.list3},
                         {"text4", data.text4},
                         {"list4", data.list4},
                         {"choiceA", data.choiceA},
                         {"text5", data.text5},
                         {"list5", data.list5},
                         {"choiceB", data.choiceB},
                         {"secondOption", data.secondOption},
                         {"flag", data.flag},
                         {"resultCode", data.resultCode}};
}

void from_json(const nlohmann::json& in, TwLookUpDlgData& data) {
    TwLookUpDlgData read;
    frame::RecordReader members(in, "TwLookUpDlgData");
    members.read("text1", read.text1);
    members.read("list1", read.list1);
    members.read("text2", read.text2);
    members.read("list2", read.list2);
    members.read("text3", read.text3);
    members.read("list3", read.list3);
    members.read("text4", read.text4);
    members.read("list4", read.list4);
    members.read("choiceA", read.choiceA);
    members.read("text5", read.text5);
    members.read("list5", read.list5);
    members.read("choiceB", read.choiceB);
    members.read("secondOption", read.secondOption);
    members.read("flag", read.flag);
    members.read("resultCode", read.resultCode);
    members.finish();
    data = read;
}
