#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/macro_data.h"
#include "frame/tw_ma_callback_data.h"

namespace {

MacroData macroCaptioned(const char* caption) {
    MacroData macro;
    macro.caption = caption;
    macro.ids.append(AcDbObjectId::fromOldId(4));
    return macro;
}

TEST(TwMACallBackData, DefaultsAreDefined) {
    TwMACallBackData data;
    EXPECT_FALSE(data.flag);
    EXPECT_EQ(data.number, 0);
    EXPECT_EQ(data.macroData(), nullptr);
    EXPECT_EQ(data.objectIds.growLength(), 8);
}

TEST(TwMACallBackData, InitDataClassTwiceKeepsTheFirstCopy) {
    TwMACallBackData data;
    MacroData first = macroCaptioned("first");
    data.initDataClass(first);
    MacroData* owned = data.macroData();
    ASSERT_NE(owned, nullptr);
    EXPECT_NE(owned, &first);
    data.initDataClass(macroCaptioned("second"));
    EXPECT_EQ(data.macroData(), owned);
    EXPECT_EQ(data.macroData()->caption, "first");
    first.caption = "changed after";
    EXPECT_EQ(data.macroData()->caption, "first");
}

TEST(TwMACallBackData, CopiesOwnTheirOwnMacroData) {
    TwMACallBackData original;
    original.groupName = "Flanges";
    original.objectIds.append(AcDbObjectId::fromOldId(12));
    original.initDataClass(macroCaptioned("base"));

    TwMACallBackData copied(original);
    TwMACallBackData assigned;
    assigned.initDataClass(macroCaptioned("to be replaced"));
    assigned = original;
    for (TwMACallBackData* copy : {&copied, &assigned}) {
        ASSERT_NE(copy->macroData(), nullptr);
        EXPECT_NE(copy->macroData(), original.macroData());
        EXPECT_EQ(*copy->macroData(), *original.macroData());
        EXPECT_EQ(copy->groupName, "Flanges");
        EXPECT_EQ(copy->objectIds.length(), 1);
        copy->macroData()->caption = "edited copy";
    }
    EXPECT_EQ(original.macroData()->caption, "base");
    // Each record deletes only its own copy when it goes (the sanitizer sees a double delete).
}

TEST(TwMACallBackData, AssigningARecordWithoutMacroDataDropsTheOwnedCopy) {
    TwMACallBackData target;
    target.initDataClass(macroCaptioned("old"));
    target = TwMACallBackData();
    EXPECT_EQ(target.macroData(), nullptr);
    target = target;  // self-assignment keeps the record whole
    EXPECT_EQ(target.macroData(), nullptr);
}

TEST(TwMACallBackData, JsonFormRoundTrips) {
    TwMACallBackData data;
    data.groupName = "Plate \xB0";
    data.flag = true;
    data.number = 3;
    data.moduleName = "BasePlate";
    data.objectIds.append(AcDbObjectId::fromOldId(40));
    data.initDataClass(macroCaptioned("base"));
    nlohmann::json form = data;
    TwMACallBackData read;
    std::string reason;
    ASSERT_TRUE(kvFromJson(form, read, &reason)) << reason;
    EXPECT_EQ(read.groupName, data.groupName);
    EXPECT_TRUE(read.flag);
    EXPECT_EQ(read.number, 3);
    EXPECT_EQ(read.objectIds, data.objectIds);
    ASSERT_NE(read.macroData(), nullptr);
    EXPECT_EQ(*read.macroData(), *data.macroData());
}

TEST(RecordJson, WrongTypesAndUnknownFieldsAreRefusedAndLeaveTheRecord) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {R"({"number": "3"})", "number"},
        {R"({"number": 1.5})", "number"},
        {R"({"flag": 1})", "flag"},
        {R"({"objectIds": [1, "2"]})", "objectIds"},
        {R"({"macroData": {"caption": 5}})", "caption"},
        {R"({"macroData": {"tabs": [{"kind": true}]}})", "kind"},
        {R"({"grupName": "x"})", "grupName"},
        {R"([1, 2])", "expected an object"},
    };
    for (const auto& [text, named] : cases) {
        TwMACallBackData data;
        data.number = 77;
        std::string reason;
        EXPECT_FALSE(kvFromJson(nlohmann::json::parse(text), data, &reason)) << text;
        EXPECT_NE(reason.find(named), std::string::npos) << text << " -> " << reason;
        EXPECT_EQ(data.number, 77) << text;
    }
}

TEST(RecordJson, MacroDataReadsAPartialFormOverDefaults) {
    MacroData macro;
    std::string reason;
    ASSERT_TRUE(kvFromJson(nlohmann::json::parse(R"({"caption": "Stair", "tabs": [{"kind": 2, "title": "P"}]})"), macro,
                           &reason))
        << reason;
    EXPECT_EQ(macro.caption, "Stair");
    ASSERT_EQ(macro.tabs.length(), 1);
    EXPECT_EQ(macro.tabs[0].kind, 2);
    EXPECT_EQ(macro.groupIndex, 0);
    nlohmann::json back = macro;
    MacroData again;
    ASSERT_TRUE(kvFromJson(back, again, &reason)) << reason;
    EXPECT_EQ(again, macro);
}

}  // namespace
