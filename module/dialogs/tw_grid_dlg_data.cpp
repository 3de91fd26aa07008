#include "dialogs/tw_grid_dlg_data.h"

#include <nlohmann/json.hpp>

#include "frame/record_json.h"

TwGridDlgData::TwGridDlgData() = default;
TwGridDlgData::TwGridDlgData(const TwGridDlgData& other) = default;
TwGridDlgData& TwGridDlgData::operator=(const TwGridDlgData& other) = default;
TwGridDlgData::~TwGridDlgData() = default;

bool operator==(const TwGridDlgData& a, const TwGridDlgData& b) {
    return a.countX == b.countX && a.spacingX == b.spacingX && a.firstNameX == b.firstNameX && a.countY == b.countY &&
           a.spacingY == b.spacingY && a.firstNameY == b.firstNameY && a.option == b.option;
}

void to_json(nlohmann::json& out, const TwGridDlgData& data) {
    out = nlohmann::json{{"countX", data.countX}, {"spacingX", data.spacingX}, {"firstNameX", data.firstNameX},
                         {"countY", data.countY}, {"spacingY", data.spacingY}, {"firstNameY", data.firstNameY},
                         {"option", data.option}};
}

void from_json(const nlohmann::json& in, TwGridDlgData& data) {
    TwGridDlgData read;
    frame::RecordReader members(in, "TwGridDlgData");
    members.read("countX", read.countX);
    members.read("spacingX", read.spacingX);
    members.read("firstNameX", read.firstNameX);
    members.read("countY", read.countY);
    members.read("spacingY", read.spacingY);
    members.read("firstNameY", read.firstNameY);
    members.read("option", read.option);
    members.finish();
    data = read;
}
