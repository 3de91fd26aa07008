#include "dialogs/tw_select_image_dlg_data.h"

#include <nlohmann/json.hpp>

#include "frame/record_json.h"

TwSelectImageDlgData::TwSelectImageDlgData() = default;
TwSelectImageDlgData::TwSelectImageDlgData(const TwSelectImageDlgData& other) = default;
TwSelectImageDlgData& TwSelectImageDlgData::operator=(const TwSelectImageDlgData& other) = default;
TwSelectImageDlgData::~TwSelectImageDlgData() = default;

bool operator==(const TwSelectImageDlgData& a, const TwSelectImageDlgData& b) {
    return nlohmann::json(a) == nlohmann::json(b);
}

void to_json(nlohmann::json& out, const TwSelectImageDlgData& data) {
    out = nlohmann::json{{"title", data.title}, {"imageFiles", data.imageFiles}, {"selection", data.selection}};
}

void from_json(const nlohmann::json& in, TwSelectImageDlgData& data) {
    TwSelectImageDlgData read;
    frame::RecordReader members(in, "TwSelectImageDlgData");
    members.read("title", read.title);
    members.read("imageFiles", read.imageFiles);
    members.read("selection", read.selection);
    members.finish();
    data = read;
}
