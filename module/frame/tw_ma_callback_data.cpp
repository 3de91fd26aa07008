#include "frame/tw_ma_callback_data.h"

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "frame/record_json.h"

TwMACallBackData::TwMACallBackData() = default;

TwMACallBackData::TwMACallBackData(const TwMACallBackData& other)
    : groupName(other.groupName),
      flag(other.flag),
      number(other.number),
      moduleName(other.moduleName),
      objectIds(other.objectIds),
      macroData_(other.macroData_ ? std::make_unique<MacroData>(*other.macroData_) : nullptr) {}

TwMACallBackData& TwMACallBackData::operator=(const TwMACallBackData& other) {
    if (this == &other) return *this;
    // The copy is made before anything changes, so a failed allocation leaves this record
    // whole.
    std::unique_ptr<MacroData> copy = other.macroData_ ? std::make_unique<MacroData>(*other.macroData_) : nullptr;
    groupName = other.groupName;
    flag = other.flag;
    number = other.number;
    moduleName = other.moduleName;
    objectIds = other.objectIds;
    macroData_ = std::move(copy);
    return *this;
}

TwMACallBackData::~TwMACallBackData() = default;

void TwMACallBackData::initDataClass(const MacroData& macro) {
    if (!macroData_) macroData_ = std::make_unique<MacroData>(macro);
}

void to_json(nlohmann::json& out, const TwMACallBackData& data) {
    nlohmann::json ids = nlohmann::json::array();
    for (const AcDbObjectId& id : data.objectIds) ids.push_back(id.asOldId());
    out = nlohmann::json{{"groupName", data.groupName},
                         {"flag", data.flag},
                         {"number", data.number},
                         {"macroData", data.macroData() ? nlohmann::json(*data.macroData()) : nlohmann::json()},
                         {"moduleName", data.moduleName},
                         {"objectIds", std::move(ids)}};
}

void from_json(const nlohmann::json& in, TwMACallBackData& data) {
    TwMACallBackData read;
    frame::RecordReader members(in, "TwMACallBackData");
    members.read("groupName", read.groupName);
    members.read("flag", read.flag);
    members.read("number", read.number);
    if (const nlohmann::json* macro = members.take("macroData"); macro && !macro->is_null())
        read.initDataClass(macro->get<MacroData>());
    members.read("moduleName", read.moduleName);
    members.read("objectIds", read.objectIds);
    members.finish();
    data = read;
}
