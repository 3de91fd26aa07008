// Settings records longer than the 65,535 bytes a sheet keeps in one tag: a bill with many
// variables, and a settings file of that size.
#include <filesystem>

#include "sheet_test_world.h"
#include "spread/bill/tw_ss_bill_output.h"
#include "spread/settings/sheet_settings.h"

using sheet_test::entry;

namespace {

class LongSettingsTest : public sheet_test::SheetWorld {
protected:
    std::string commandLine() { return host::CommandLine::instance().text(); }
};

TEST_F(LongSettingsTest, ABillWhoseVariablesDoNotFitSaysSoAndKeepsItsOwnVariables) {
    Kv_StringArray names, values;
    for (int i = 0; i < 10; ++i) {
        names.append(Kv_String("Note") + Kv_String(i));
        values.append(Kv_String(std::string(10000, static_cast<char>('a' + i))));
    }
    const std::string billPath = workFolder.file("long.kvs");
    TwSSBillOutput bill;
    ASSERT_EQ(bill.init(billPath, {"Mark", "Qty"}, {}, {3, 1}, "none", names, values), Acad::eOk);
    bill.onAddRow({"B1", "2"});
    EXPECT_EQ(bill.onEndFeed(), Acad::eFilerError);
    EXPECT_NE(commandLine().find("without all of its variables"), std::string::npos) << commandLine();
    ASSERT_TRUE(std::filesystem::exists(billPath));

    Kv_Spread& reader = openSheet();
    ASSERT_TRUE(SSLoadFromFile(reader.m_hWnd, billPath.c_str()));
    SheetSettings record;
    record.readFromSheet(reader);
    ASSERT_GE(record.varNames.length(), 4);
    EXPECT_LT(record.varNames.length(), 13);
    EXPECT_EQ(record.varNames[0], "Date");
    EXPECT_EQ(record.varNames[1], "Title");
    EXPECT_EQ(record.varValues[1], "long");
    EXPECT_EQ(record.varNames[2], "BillFilename");
    EXPECT_EQ(record.varNames[3], "Note0");
    EXPECT_EQ(record.varValues[3], values[0]);
    EXPECT_EQ(record.varNames.length(), record.varValues.length());
}

TEST_F(LongSettingsTest, ASettingsFileLongerThanATagIsReadNotIgnored) {
    std::string bytes =
        entry("defaultFont", 4, "Courier New") + entry("defaultTextHeight", 2, "17") + entry("marginLeft", 2, "21");
    for (int i = 0; i < 20; ++i) {
        bytes += entry("varNames" + std::to_string(i), 4, "Name" + std::to_string(i));
        bytes += entry("varValues" + std::to_string(i), 4, std::string(5000, 'v'));
    }
    ASSERT_GT(bytes.size(), 65535u);
    writeSettingsFile("large", bytes);

    Kv_Spread& prepared = openSheet();
    ASSERT_TRUE(prepared.applySettingsFile("large"));
    EXPECT_EQ(prepared.fontFace, "Courier New");
    EXPECT_EQ(prepared.textHeight, 17);
    SheetSettings record;
    record.readFromSheet(prepared);
    EXPECT_EQ(record.defaultFont, "Courier New");
    EXPECT_EQ(record.marginLeft, 21);
    EXPECT_GT(record.varNames.length(), 0);
    EXPECT_LT(record.varNames.length(), 20);
    EXPECT_EQ(record.varNames[0], "Name0");
    EXPECT_NE(commandLine().find("variables stored"), std::string::npos) << commandLine();
}

}  // namespace
