// Stock and purchase files: names, numbers, the newest file, the line format and the
// overview report.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>

#include "core/kv_texts.h"
#include "core/records/dlg_csp2_data.h"
#include "cutting/stock_files.h"
#include "cutting/csp2_overview.h"
#include "cutting_test_support.h"

namespace {

using cutting_test::LibraryFolder;
namespace fs = std::filesystem;

Kv_String folderText(const fs::path& folder) { return Kv_String(folder.string() + "/"); }

TEST(CuttingFiles, NextNumberCountsStockFilesOfThatExtensionOnly) {
    LibraryFolder lib;
    const fs::path set = lib.setFolder("Beams");
    for (const char* name : {"Stock1.shp", "stock7.shp", "Stockx.shp", "Stock9.buy", "other12.shp", "Stock-40.shp"})
        lib.write(set / name, "");
    const Kv_String folder = cutting::setFolder("Beams");
    EXPECT_EQ(cutting::nextFileNumber(folder, "Stock", "shp"), "8");
    EXPECT_EQ(cutting::nextFileNumber(folder, "Stock", "buy"), "10");
    EXPECT_TRUE(cutting::proposedNewFile(folder, "shp").endsWith("\\Stock8.shp"));
    EXPECT_EQ(cutting::nextFileNumber(cutting::setFolder("Missing"), "Stock", "shp"), "1");
}

TEST(CuttingFiles, NextNumberGrowsPastAnyNumberInTheFolder) {
    LibraryFolder lib;
    lib.write(lib.setFolder("Big") / "Stock2147483647.shp", "");
    EXPECT_EQ(cutting::nextFileNumber(cutting::setFolder("Big"), "Stock", "shp"), "2147483648");
    lib.write(lib.setFolder("Big") / "Stock0099999999999999999999999 old.shp", "");
    EXPECT_EQ(cutting::nextFileNumber(cutting::setFolder("Big"), "Stock", "shp"), "100000000000000000000000");
}

TEST(CuttingFiles, NewestFileWinsAndTheFirstListedBreaksATie) {
    LibraryFolder lib;
    const fs::path set = lib.setFolder("S");
    lib.write(set / "a.shp", "", 500);
    lib.write(set / "b.shp", "", 100);
    lib.write(set / "c.shp", "", 100);
    fs::last_write_time(set / "c.shp", fs::last_write_time(set / "b.shp"));
    lib.write(set / "z.buy", "", 1);
    Kv_String newest;
    ASSERT_TRUE(cutting::findNewestFile(folderText(set), "*.shp", newest));
    EXPECT_TRUE(newest.endsWith("b.shp")) << newest;
    Kv_String none = "unchanged";
    EXPECT_FALSE(cutting::findNewestFile(folderText(set), "*.xyz", none));
    EXPECT_EQ(none, "unchanged");
}

TEST(CuttingFiles, PathsAreLoweredAndGetTheirExtension) {
    EXPECT_EQ(cutting::completedFilePath("C:\\Lib\\Cutting Stock\\Set A\\Mine", "shp"),
              "c:\\lib\\cutting stock\\set a\\mine.shp");
    EXPECT_EQ(cutting::completedFilePath("X\\STOCK3.SHP", "shp"), "x\\stock3.shp");
    EXPECT_EQ(cutting::completedFilePath("X\\list.shp", "buy"), "x\\list.shp.buy");
}

TEST(CuttingFiles, AnyLineReadsAsARowOfCells) {
    const std::string longCell(200000, 'L');
    const Kv_StringArray lines{"", "no separators", "\xBF\xBF", "a\xBF" + longCell,
                               Kv_String(std::string("\x81\x00\xFF\xBF\x90", 5))};
    const Kv_Array<Kv_StringArray> rows = cutting::rowsFromLines(lines);
    ASSERT_EQ(rows.length(), 5);
    EXPECT_EQ(rows[0], (Kv_StringArray{""}));
    EXPECT_EQ(rows[1], (Kv_StringArray{"no separators"}));
    EXPECT_EQ(rows[2], (Kv_StringArray{"", "", ""}));
    EXPECT_EQ(rows[3], (Kv_StringArray{"a", Kv_String(longCell)}));
    EXPECT_EQ(rows[4].length(), 2);
    EXPECT_EQ(cutting::lineFromRow({"", "", ""}), "\xBF\xBF");
}

TEST(CuttingFiles, RowsRoundTripThroughAFileWithSeparatorBytes) {
    LibraryFolder lib;
    const Kv_String path = Kv_String((lib.path() / "t.shp").string());
    const Kv_Array<Kv_StringArray> rows{{"6000", "12", "HEA 200"}, {"", "", ""}, {"\xE4"}};
    ASSERT_TRUE(cutting::writeRowsFile(path, rows));
    EXPECT_EQ(LibraryFolder::read(lib.path() / "t.shp"),
              "6000\xBF"
              "12\xBF"
              "HEA 200\r\n\xBF\xBF\r\n\xE4\r\n");
    Kv_Array<Kv_StringArray> back{{"stale"}};
    ASSERT_TRUE(cutting::readRowsFile(path, back));
    EXPECT_EQ(back, rows);
    EXPECT_FALSE(cutting::readRowsFile(Kv_String((lib.path() / "none.shp").string()), back));
    EXPECT_TRUE(back.isEmpty());
}

TEST(CuttingFiles, ACellThatWouldNotReadBackKeepsTheOldFile) {
    LibraryFolder lib;
    const fs::path file = lib.write(lib.path() / "keep.shp", "old\xBFrow\r\n");
    const Kv_String path = Kv_String(file.string());
    EXPECT_FALSE(cutting::writeRowsFile(path, {{"fine"}, {"two\nlines"}}));
    EXPECT_FALSE(cutting::writeRowsFile(path, {{"a\xBF"
                                                "b"}}));
    EXPECT_EQ(LibraryFolder::read(file), "old\xBFrow\r\n");
}

TEST(CuttingFiles, FileTimesReadAsDayMonthYearAndTime) {
    const char* oldZone = std::getenv("TZ");
    const std::string saved = oldZone ? oldZone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(cutting::formatFileTime(1700000000), "14 November, 2023 (22:13)");
    EXPECT_EQ(cutting::formatFileTime(LLONG_MAX), "");
    if (oldZone)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

class CuttingOverview : public ::testing::Test {
protected:
    LibraryFolder lib;
    DlgCSP2Data data;
    Kv_String rule = Kv_String(std::string(116, '-'));
};

TEST_F(CuttingOverview, ASetWithoutFilesGivesTwoNoFileLines) {
    data.addSet("Plates");
    const DlgInfoData report = cutting::buildStockOverview(data);
    EXPECT_EQ(report.title, dialString(652));
    EXPECT_EQ(report.subtitle, dialString(285));
    const Kv_StringArray expected{rule, appStrs(dialString(633), " ", dialString(634), " \"Plates\"."), "",
                                  appStrs(dialString(637), " ", dialString(634), " \"Plates\"."), rule};
    EXPECT_EQ(report.lines, expected);
}

TEST_F(CuttingOverview, NewestFilesAreLoadedOverUnsavedRows) {
    const int beams = data.addSet("Beams");
    const int tubes = data.addSet("Tubes");
    data.tables[1].replaceRowsOfSet(beams, {{"edited", "not", "saved"}});
    data.tables[1].replaceRowsOfSet(tubes, {{"tube", "row", ""}});
    lib.write(lib.setFolder("Beams") / "Stock1.shp",
              "old\xBF"
              "1\xBF"
              "x\r\n",
              1000);
    lib.write(lib.setFolder("Beams") / "Stock2.shp",
              "12000\xBF"
              "4\xBFHEA 200\r\n6000\xBF"
              "2\xBF\r\n",
              10);
    lib.write(lib.setFolder("Beams") / "Stock1.buy",
              "buy\xBF"
              "1\r\n",
              10);

    const DlgInfoData report = cutting::buildStockOverview(data);
    ASSERT_EQ(report.lines.length(), 9);
    EXPECT_TRUE(
        report.lines[1].startsWith(appStrs(dialString(635), " \"Stock2.shp\" ", dialString(634), " \"Beams\" ")))
        << report.lines[1];
    EXPECT_TRUE(report.lines[3].startsWith(appStrs(dialString(638), " \"Stock1.buy\" "))) << report.lines[3];
    EXPECT_EQ(report.lines[5], appStrs(dialString(633), " ", dialString(634), " \"Tubes\"."));
    EXPECT_EQ(data.tables[1].rowsOfSet(beams),
              (Kv_Array<Kv_StringArray>{{"12000", "4", "HEA 200"}, {"6000", "2", ""}}));
    EXPECT_EQ(data.tables[2].rowsOfSet(beams), (Kv_Array<Kv_StringArray>{{"buy", "1"}}));
    EXPECT_EQ(data.tables[1].rowsOfSet(tubes), (Kv_Array<Kv_StringArray>{{"tube", "row", ""}}));
}

}  // namespace
