// SheetSettings and RegistrySettings: which keys a settings file or tag sets, the variable
// lists, and the way back into a sheet's tag.
#include "spread/settings/sheet_settings.h"

#include "sheet_test_world.h"

using sheet_test::entry;

namespace {

class SheetSettingsTest : public sheet_test::SheetWorld {};

TEST_F(SheetSettingsTest, AFileWithOnlyTheTextHeightKeepsEveryOtherDefault) {
    writeSettingsFile("Tall", entry("defaultTextHeight", 2, "12"));
    SheetSettings settings;
    settings.marginLeft = 1;
    settings.smartPrint = false;
    ASSERT_TRUE(settings.readFile("Tall"));
    EXPECT_TRUE(settings.loaded);
    EXPECT_EQ(settings.defaultTextHeight, 12);
    EXPECT_EQ(settings.defaultFont, "Tahoma");
    EXPECT_EQ(settings.marginLeft, 9);
    EXPECT_EQ(settings.marginRight, 5);
    EXPECT_TRUE(settings.smartPrint);
    EXPECT_TRUE(settings.border);
    EXPECT_TRUE(settings.varNames.isEmpty());
}

TEST_F(SheetSettingsTest, AKeyOfTheWrongTypeIsIgnoredAndCapitalisedKeysMatch) {
    writeSettingsFile("Mixed", entry("marginLeft", 4, "2") + entry("MARGINTOP", 2, "8") + entry("Colors", 2, "0"));
    SheetSettings settings;
    ASSERT_TRUE(settings.readFile("Mixed"));
    EXPECT_EQ(settings.marginLeft, 9);
    EXPECT_EQ(settings.marginTop, 8);
    EXPECT_FALSE(settings.colors);
}

TEST_F(SheetSettingsTest, VariableListsStopAtAGapAndAreCutToTheShorter) {
    writeSettingsFile("Vars", entry("varNames0", 4, "Client") + entry("varNames1", 4, "Job") +
                                  entry("varNames3", 4, "Lost") + entry("varValues0", 4, "Harbour Ltd"));
    SheetSettings settings;
    ASSERT_TRUE(settings.readFile("Vars"));
    ASSERT_EQ(settings.varNames.length(), 1);
    ASSERT_EQ(settings.varValues.length(), 1);
    EXPECT_EQ(settings.varNames[0], "Client");
    EXPECT_EQ(settings.varValues[0], "Harbour Ltd");

    // A list element of the wrong type ends the list like a gap.
    writeSettingsFile("Typed", entry("varNames0", 4, "A") + entry("varNames1", 2, "7") + entry("varValues0", 4, "1") +
                                   entry("varValues1", 4, "2"));
    ASSERT_TRUE(settings.readFile("Typed"));
    EXPECT_EQ(settings.varNames.length(), 1);
    EXPECT_EQ(settings.varValues.length(), 1);
}

TEST_F(SheetSettingsTest, ResetKeepsPicturesAndVariables) {
    SheetSettings settings;
    settings.headerFile = "logo.twp";
    settings.varNames = {"a"};
    settings.varValues = {"b"};
    settings.defaultTextHeight = 40;
    settings.loaded = true;
    settings.reset();
    EXPECT_FALSE(settings.loaded);
    EXPECT_EQ(settings.defaultTextHeight, 13);
    EXPECT_EQ(settings.headerFile, "logo.twp");
    EXPECT_EQ(settings.varNames.length(), 1);
}

TEST_F(SheetSettingsTest, MissingOrUnnamedFilesFailWithTheDefaults) {
    SheetSettings settings;
    settings.marginTop = 99;
    EXPECT_FALSE(settings.readFile("Nowhere"));
    EXPECT_TRUE(settings.loaded);
    EXPECT_EQ(settings.marginTop, 5);
    EXPECT_FALSE(settings.readFile(""));
}

TEST_F(SheetSettingsTest, TheRecordGoesThroughTheTagOfCellZeroZero) {
    Kv_Spread& s = openSheet();
    SheetSettings written;
    EXPECT_FALSE(written.writeToSheet(s));  // nothing read yet
    written.readFile("none");
    written.defaultFont = "Courier New";
    written.defaultTextHeight = 17;
    written.headerFile = "head.twp";
    written.footerFile = "foot.twp";
    written.marginBottom = 11;
    written.cellSeperators = false;
    written.varNames = {"Client", "Job"};
    written.varValues = {"Harbour", "12\xB0"};
    ASSERT_TRUE(written.writeToSheet(s));
    const std::string expectedStart = entry("defaultFont", 4, "Courier New") + entry("defaultTextHeight", 2, "17") +
                                      entry("headerFile", 4, "head.twp");
    EXPECT_EQ(tagOf(s).substr(0, expectedStart.size()), expectedStart);

    SheetSettings read;
    ASSERT_TRUE(read.readFromSheet(s));
    EXPECT_EQ(read.sheetWnd, s.m_hWnd);
    EXPECT_EQ(read.defaultFont, "Courier New");
    EXPECT_EQ(read.defaultTextHeight, 17);
    EXPECT_EQ(read.headerFile, "head.twp");
    EXPECT_EQ(read.footerFile, "foot.twp");
    EXPECT_EQ(read.marginBottom, 11);
    EXPECT_FALSE(read.cellSeperators);
    EXPECT_TRUE(read.colHeader);
    ASSERT_EQ(read.varValues.length(), 2);
    EXPECT_EQ(read.varValues[1], "12\xB0");
}

TEST_F(SheetSettingsTest, AnEmptyTagGivesTheDefaults) {
    Kv_Spread& s = openSheet();
    SheetSettings read;
    read.marginLeft = 1;
    EXPECT_TRUE(read.readFromSheet(s));
    EXPECT_EQ(read.marginLeft, 9);
}

TEST_F(SheetSettingsTest, AVariableHoldingTheFieldEndByteIsStoredEmptyAndTheOthersSurvive) {
    Kv_Spread& s = openSheet();
    SheetSettings written;
    written.readFile("none");
    written.headerFile =
        "bad\xA4"
        "name.twp";
    written.varNames = {"A", "B", "C"};
    written.varValues = {"1", "price \xA4 5", "3"};
    ASSERT_TRUE(written.writeToSheet(s));
    EXPECT_NE(host::CommandLine::instance().text().find("varValues1 not stored"), std::string::npos);
    SheetSettings read;
    read.readFromSheet(s);
    EXPECT_EQ(read.headerFile, "");
    ASSERT_EQ(read.varValues.length(), 3);
    EXPECT_EQ(read.varValues[1], "");
    EXPECT_EQ(read.varValues[2], "3");
    EXPECT_EQ(read.varNames[2], "C");
}

TEST_F(SheetSettingsTest, RegistryValuesComeWithTheirDefaults) {
    RegistrySettings registry;
    EXPECT_FALSE(registry.read());
    EXPECT_EQ(registry.language, "EN");
    EXPECT_EQ(registry.defaultSettings, "");
    setRegistryValue("Language", "DE");
    EXPECT_FALSE(registry.read());
    EXPECT_EQ(registry.language, "DE");
    setRegistryValue("Default Settings", "Company");
    EXPECT_TRUE(registry.read());
    EXPECT_EQ(registry.defaultSettings, "Company");
}

}  // namespace
