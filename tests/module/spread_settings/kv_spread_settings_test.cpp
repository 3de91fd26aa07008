// Kv_Spread with settings files: preparing a sheet, saving it with its pictures beside it,
// and replacing its variables.
#include <thread>

#include "sheet_test_world.h"
#include "spread/settings/picture_relocation.h"
#include "spread/settings/sheet_settings.h"

using sheet_test::entry;
using sheet_test::readBytes;
using sheet_test::writeBytes;

namespace {

class KvSpreadSettingsTest : public sheet_test::SheetWorld {
protected:
    const sheet::CellFormat& formatAt(int col, int row) {
        return SSGetSheet(sheet->m_hWnd)->format(sheet::CellRef{col, row});
    }
    SheetSettings recordOf(const Kv_Spread& s) {
        SheetSettings settings;
        settings.readFromSheet(s);
        return settings;
    }
};

TEST_F(KvSpreadSettingsTest, APreparedSheetHasSixByElevenEditCellsAndTheFileIntoTheTag) {
    writeSettingsFile("Bills", entry("defaultFont", 4, "Verdana") + entry("defaultTextHeight", 2, "18") +
                                   entry("marginRight", 2, "3"));
    Kv_Spread& s = openSheet();
    ASSERT_TRUE(s.applySettingsFile("Bills"));
    EXPECT_EQ(s.getMaxCols(), 6);
    EXPECT_EQ(s.getMaxRows(), 11);
    EXPECT_EQ(formatAt(6, 11).type.kind, sheet::CellKind::Edit);
    EXPECT_EQ(formatAt(6, 11).type.maxLength, 100);
    EXPECT_EQ(s.fontFace, "Verdana");
    EXPECT_EQ(s.textHeight, 18);
    EXPECT_EQ(formatAt(3, 4).font.face, "Verdana");
    EXPECT_EQ(formatAt(3, 4).font.weight, 400);
    EXPECT_EQ(formatAt(0, 4).font.weight, 700);
    EXPECT_EQ(std::abs(formatAt(2, 0).font.height), 18);
    EXPECT_TRUE(s.GetBool(12));
    EXPECT_TRUE(s.GetBool(7));
    EXPECT_EQ(recordOf(s).marginRight, 3);
}

TEST_F(KvSpreadSettingsTest, AMissingSettingsFileFallsBackToTheRegistryDefault) {
    writeSettingsFile("Company", entry("defaultFont", 4, "Georgia") + entry("defaultTextHeight", 2, "16"));
    setRegistryValue("Language", "EN");
    setRegistryValue("Default Settings", "Company");
    Kv_Spread& s = openSheet();
    ASSERT_TRUE(s.applySettingsFile("NoSuchFile"));
    EXPECT_EQ(recordOf(s).defaultFont, "Georgia");
    // The sheet's own fonts follow the settings it was prepared with, not the built-in ones.
    EXPECT_EQ(s.fontFace, "Georgia");
    EXPECT_EQ(s.textHeight, 16);
    EXPECT_EQ(formatAt(1, 1).font.face, "Georgia");
}

TEST_F(KvSpreadSettingsTest, WithoutAnySettingsTheBuiltInDefaultsAreUsed) {
    Kv_Spread& s = openSheet();
    ASSERT_TRUE(s.applySettingsFile("NoSuchFile"));
    EXPECT_EQ(s.fontFace, "Tahoma");
    EXPECT_EQ(s.textHeight, 13);
    EXPECT_EQ(recordOf(s).marginLeft, 9);
    Kv_Spread unattached;
    EXPECT_FALSE(unattached.applySettingsFile("x"));
    EXPECT_FALSE(unattached.saveSheet(workFolder.file("x.kvs")));
}

TEST_F(KvSpreadSettingsTest, PreparingAnOldSheetKeepsItsSizeAndTag) {
    Kv_Spread& s = openSheet();
    s.applySettingsFile("none");
    s.setMaxRows(30);
    s.setSheetVariables({"A"}, {"1"});
    const std::string tag = tagOf(s);
    ASSERT_TRUE(s.initSheet("none", false));
    EXPECT_EQ(s.getMaxRows(), 30);
    EXPECT_EQ(tagOf(s), tag);
}

TEST_F(KvSpreadSettingsTest, SetSheetVariablesReplacesBothListsAndKeepsTheRest) {
    writeSettingsFile("Bills", entry("marginTop", 2, "2") + entry("varNames0", 4, "Old") + entry("varValues0", 4, "x"));
    Kv_Spread& s = openSheet();
    s.applySettingsFile("Bills");
    ASSERT_TRUE(s.setSheetVariables({"Date", "Title"}, {"today", "Hall A"}));
    SheetSettings record = recordOf(s);
    EXPECT_EQ(record.marginTop, 2);
    ASSERT_EQ(record.varNames.length(), 2);
    EXPECT_EQ(record.varNames[1], "Title");
    EXPECT_EQ(record.varValues[1], "Hall A");
}

TEST_F(KvSpreadSettingsTest, SavingCopiesAHeaderPictureFromTheInstallationFolderBesideTheSheet) {
    writeBytes(installFolder.file("logo.twp"), "header picture");
    writeBytes(installFolder.file("logo.bmp"), "BM header bitmap");
    writeSettingsFile("Bills", entry("headerFile", 4, "logo.twp") + entry("footerFile", 4, "foot.twp"));
    writeBytes(installFolder.file("foot.twp"), "footer picture");
    Kv_Spread& s = openSheet();
    s.applySettingsFile("Bills");
    s.SetData(1, 1, "Beam");
    s.markChanged();
    const std::string sheetPath = workFolder.file("out/bill.kvs");
    std::filesystem::create_directories(workFolder.path() / "out");
    ASSERT_TRUE(s.saveSheet(sheetPath));
    EXPECT_FALSE(s.GetBool(sheet::kOptChanged));
    EXPECT_TRUE(std::filesystem::exists(sheetPath));
    EXPECT_EQ(readBytes(workFolder.file("out/logo.twp")), "header picture");
    EXPECT_EQ(readBytes(workFolder.file("out/logo.bmp")), "BM header bitmap");
    // The footer is left alone when the header brought a copy.
    EXPECT_FALSE(std::filesystem::exists(workFolder.file("out/foot.twp")));
    EXPECT_EQ(recordOf(s).headerFile, "logo.twp");

    // Saved again, the header copy is up to date: now the footer is tried and copied.
    ASSERT_TRUE(s.saveSheet(sheetPath));
    EXPECT_EQ(readBytes(workFolder.file("out/foot.twp")), "footer picture");
    EXPECT_EQ(recordOf(s).footerFile, "foot.twp");
}

TEST_F(KvSpreadSettingsTest, AFailedSaveKeepsTheChangedFlag) {
    Kv_Spread& s = openSheet();
    s.applySettingsFile("none");
    s.markChanged();
    EXPECT_FALSE(s.saveSheet(workFolder.file("no/such/folder/bill.kvs")));
    EXPECT_TRUE(s.GetBool(sheet::kOptChanged));
}

TEST_F(KvSpreadSettingsTest, TheSavedSheetKeepsItsSettingsRecord) {
    Kv_Spread& s = openSheet();
    s.applySettingsFile("none");
    s.setSheetVariables({"Title"}, {"Hall \xBF A"});
    const std::string path = workFolder.file("kept.kvs");
    ASSERT_TRUE(s.saveSheet(path));
    s.setSheetVariables({}, {});
    ASSERT_TRUE(SSLoadFromFile(s.m_hWnd, path.c_str()));
    SheetSettings record = recordOf(s);
    ASSERT_EQ(record.varValues.length(), 1);
    EXPECT_EQ(record.varValues[0], "Hall \xBF A");
}

class PictureNames : public KvSpreadSettingsTest {};

TEST_F(PictureNames, ResolveBesideTheSheetThenInTheInstallationThenAsGiven) {
    const Kv_String sheetFolder = workFolder.text() + "jobs/";
    const Kv_String install = installFolder.text();
    writeBytes(workFolder.file("jobs/here.twp"), "x");
    writeBytes(installFolder.file("there.twp"), "x");
    EXPECT_EQ(resolvePictureName("here.twp", sheetFolder, install), sheetFolder + "here.twp");
    EXPECT_EQ(resolvePictureName("there.twp", sheetFolder, install), install + "there.twp");
    EXPECT_EQ(resolvePictureName("gone.twp", sheetFolder, install), "gone.twp");
    EXPECT_EQ(resolvePictureName("C:\\pics\\a.twp", sheetFolder, install), "C:\\pics\\a.twp");
    EXPECT_EQ(resolvePictureName("\\\\server\\a.twp", sheetFolder, install), "\\\\server\\a.twp");
    EXPECT_EQ(resolvePictureName("..\\up.twp", sheetFolder, install), workFolder.text() + "up.twp");
    EXPECT_EQ(folderOfPath("a\\b\\c.kvs"), "a\\b\\");
    EXPECT_EQ(folderOfPath("c.kvs"), "");
}

TEST_F(PictureNames, AnOlderCopyBesideTheSheetIsRefreshedAndANewerOneKept) {
    const Kv_String sheetFolder = workFolder.text();
    writeBytes(installFolder.file("logo.twp"), "new");
    writeBytes(workFolder.file("logo.twp"), "old");
    const auto past = std::filesystem::last_write_time(workFolder.file("logo.twp")) - std::chrono::hours(1);
    std::filesystem::last_write_time(workFolder.file("logo.twp"), past);
    Kv_String name = installFolder.text() + "logo.twp";
    ASSERT_TRUE(relocatePicture(name, sheetFolder, installFolder.text()));
    EXPECT_EQ(name, "logo.twp");
    EXPECT_EQ(readBytes(workFolder.file("logo.twp")), "new");
    Kv_String again = installFolder.text() + "logo.twp";
    EXPECT_FALSE(relocatePicture(again, sheetFolder, installFolder.text()));
    EXPECT_EQ(again, installFolder.text() + "logo.twp");
    Kv_String missing = "nothing.twp";
    EXPECT_FALSE(relocatePicture(missing, sheetFolder, installFolder.text()));
}

}  // namespace
