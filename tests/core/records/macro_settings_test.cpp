// MacroSettingsData's JSON form (strict, refusals naming the member by its path), the sample
// drawing's settings, and GetMacroSettings / SetMacroSettings with what they log.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/kv_settings.h"
#include "core/macro_model.h"
#include "core/macro_settings_calls.h"
#include "core/records/macro_settings_data.h"
#include "host/drawing_database.h"
#include "kv_source_dir.h"

namespace {

using nlohmann::json;

class MacroSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::DrawingDatabase::instance().reset();
        macro_model::Drawing::instance().clear();
    }
    void TearDown() override {
        macro_model::Drawing::instance().clear();
        unsetenv("KV_LIB_DIR");
    }
    static std::string refusal(const json& in) {
        try {
            (void)in.get<MacroSettingsData>();
        } catch (const json::exception& e) {
            return e.what();
        }
        return "accepted";
    }
    static AcDbObjectId loadSample() {
        setenv("KV_LIB_DIR", (kvSourceDir() + "/library/").c_str(), 1);
        std::string error;
        EXPECT_TRUE(macro_model::Drawing::instance().load(macro_model::sampleDrawingPath(), error)) << error;
        host::DrawingDatabase::instance().clearLog();
        return macro_model::Drawing::instance().macros().front().id;
    }
};

TEST_F(MacroSettingsTest, EveryFieldSurvivesTheJsonForm) {
    MacroSettingsData s;
    s.filterSettings.useDistanceFilters = true;
    s.filterSettings.axisFilterEnabled = {true, false};
    s.filterSettings.axisFilterNames = {"a", "b"};
    s.filterSettings.axisFilterMode = {1};
    s.filterSettings.axisFilterValue2 = {0.125};
    s.filterSettings.sectionAngleRanges = {{1, 2, 3}};
    s.filterSettings.sectionSizeValues[3] = {7.5};
    s.tableSettings.count = 3;
    s.tableSettings.numbers = {1e300};
    s.listSettings.secondText = "two\r\nlines";
    s.listSettings.column3 = {0, 4};
    s.templateSettings.perTemplateLists = {{"x"}, {}};
    const json form = s;
    EXPECT_EQ(form.get<MacroSettingsData>(), s);
    EXPECT_EQ(form["filterSettings"]["sectionSizeValues"].size(), 4u);
}

TEST_F(MacroSettingsTest, RefusalsNameTheMemberByItsPath) {
    EXPECT_NE(refusal({{"filterSettings", {{"axisFilterMode", {1.5}}}}})
                  .find("MacroSettingsData: field \"filterSettings\": MacroFilterSettings: field \"axisFilterMode\""),
              std::string::npos);
    EXPECT_NE(refusal({{"tableSettings", {{"colour", 1}}}})
                  .find("field \"tableSettings\": MacroTableSettings: unknown field \"colour\""),
              std::string::npos);
    EXPECT_NE(refusal({{"filterSettings", {{"sectionSizeValues", {{1}, {2}, {3}}}}}}).find("four number arrays"),
              std::string::npos);
    EXPECT_NE(refusal({{"filterSettings", {{"axisFilterEnabled", {1}}}}}).find("true or false"), std::string::npos);
    EXPECT_NE(refusal({{"listSettings", {{"column3", {3000000000LL}}}}}).find("column3"), std::string::npos);
    EXPECT_NE(refusal({{"extra", 1}}).find("unknown field \"extra\""), std::string::npos);
    EXPECT_EQ(refusal({{"listSettings", {{"firstText", "x"}}}}), "accepted");
}

TEST_F(MacroSettingsTest, TheSampleHoldsFiltersTablesListsAndTemplateLists) {
    MacroSettingsData s;
    ASSERT_TRUE(GetMacroSettings(loadSample(), s));
    EXPECT_EQ(s.filterSettings.axisFilterNames.length(), 2);
    EXPECT_EQ(s.filterSettings.sectionAngleRanges[0].length(), 6);
    EXPECT_EQ(s.filterSettings.pathDistanceNames.length(), 1);
    EXPECT_EQ(s.filterSettings.sectionSizeNames.length(), 1);
    EXPECT_EQ(s.tableSettings.labels.length(), 2);
    EXPECT_EQ(s.listSettings.column3.length(), 2);
    // One list per bundled template: Base Plate, Connections\End Plate, Stiffener.
    EXPECT_EQ(s.templateSettings.perTemplateLists.length(), 3);
    EXPECT_EQ(s.templateSettings.perTemplateChoice.length(), 3);
}

TEST_F(MacroSettingsTest, AWriteLogsWhatChangedAndAnUnknownMacroFailsWithoutChange) {
    const AcDbObjectId id = loadSample();
    MacroSettingsData s;
    ASSERT_TRUE(GetMacroSettings(id, s));
    s.tableSettings.count = 3;
    ASSERT_TRUE(SetMacroSettings(id, s));
    const std::string log = host::DrawingDatabase::instance().logText();
    EXPECT_NE(log.find("settings #" + std::to_string(id.asOldId()) + " tableSettings"), std::string::npos) << log;
    EXPECT_NE(log.find("\"count\":3"), std::string::npos) << log;
    EXPECT_EQ(log.find("filterSettings"), std::string::npos) << log;
    MacroSettingsData back;
    ASSERT_TRUE(GetMacroSettings(id, back));
    EXPECT_EQ(back, s);

    host::DrawingDatabase::instance().clearLog();
    ASSERT_TRUE(SetMacroSettings(id, s));
    EXPECT_NE(host::DrawingDatabase::instance().logText().find("no change"), std::string::npos);

    host::DrawingDatabase::instance().clearLog();
    const AcDbObjectId unknown = AcDbObjectId::fromOldId(9999);
    MacroSettingsData untouched;
    untouched.tableSettings.count = 42;
    EXPECT_FALSE(GetMacroSettings(unknown, untouched));
    EXPECT_EQ(untouched.tableSettings.count, 42);
    EXPECT_FALSE(SetMacroSettings(unknown, s));
    EXPECT_EQ(host::DrawingDatabase::instance().logText(), "");
}

TEST_F(MacroSettingsTest, ADrawingWithMisshapenSettingsIsRefused) {
    std::string error;
    EXPECT_FALSE(macro_model::Drawing::instance().loadText(
        R"({"macros": [{"name": "M", "modules": [{"name": "A"}], "settings": {"tableSettings": {"count": "2"}}}]})",
        "bad.kvdrawing", error));
    EXPECT_NE(error.find("tableSettings"), std::string::npos) << error;
    EXPECT_TRUE(macro_model::Drawing::instance().macros().empty());
}

}  // namespace
