// Table files: what is written reads back exactly, and bad files fail without changing
// anything.
#include "core/table_file.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/file_layer.h"
#include "temp_folder.h"

namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

TEST(TableFile, EveryCellTextSurvivesTheRoundTrip) {
    TempFolder folder;
    std::string allBytes;
    for (int c = 1; c < 256; ++c) allBytes += static_cast<char>(c);
    const Kv_TableRows rows{
        {"Description with \\ backslash"},
        {"SysName", "I/O", "English"},
        {"a\tb", "line\r\nbreak", "trailing\\"},
        {},
        {""},
        {"", ""},
        {"\\e", "\\", "0\xB0", Kv_String(std::string("nul\0byte", 8))},
        {Kv_String(allBytes)},
    };
    const Kv_String path = Kv_String(folder.text()) + "prof\\Family.pr";
    ASSERT_TRUE(writeFile(path, rows));
    Kv_String name = "before";
    Kv_TableRows read;
    ASSERT_TRUE(readFile(path, name, read));
    EXPECT_EQ(name, "Family");
    EXPECT_EQ(read, rows);
}

TEST(TableFile, LinesAreTabSeparatedAndEndInCrLf) {
    const std::string text = formatTableText({{"1"}, {"SysName", "I/O"}, {"IPE100", "1"}});
    EXPECT_EQ(text, "1\r\nSysName\tI/O\r\nIPE100\t1\r\n");
}

TEST(TableFile, HandWrittenFilesRead) {
    Kv_TableRows rows;
    // Unix line ends, a missing last line end, ragged rows and an empty line.
    ASSERT_TRUE(parseTableText("desc\nA\tB\tC\n\nx\n1\t2\t3\t4", rows));
    ASSERT_EQ(rows.length(), 5);
    EXPECT_EQ(rows[0], (Kv_StringArray{"desc"}));
    EXPECT_EQ(rows[2].length(), 0);
    EXPECT_EQ(rows[3], (Kv_StringArray{"x"}));
    EXPECT_EQ(rows[4].length(), 4);
    ASSERT_TRUE(parseTableText("", rows));
    EXPECT_EQ(rows.length(), 0);
}

TEST(TableFile, BadLinesFailAndChangeNothing) {
    for (const char* bad :
         {"ok\r\nbad\\q\r\n", "cut short\\", "half\\x4", "raw\x01control", "lone\rreturn\n", "x\r\n\\e\\e\r\n"}) {
        Kv_TableRows rows{{"kept"}};
        int badLine = 0;
        EXPECT_FALSE(parseTableText(bad, rows, &badLine)) << bad;
        EXPECT_EQ(rows, (Kv_TableRows{{"kept"}})) << bad;
        EXPECT_GE(badLine, 1) << bad;
    }
    Kv_TableRows rows;
    int badLine = 0;
    EXPECT_FALSE(parseTableText("a\nb\nc\\z\n", rows, &badLine));
    EXPECT_EQ(badLine, 3);
}

TEST(TableFile, AFailedReadLeavesNameAndRows) {
    TempFolder folder;
    writeText(folder.path() / "Broken.pr", "desc\r\nname\\\r\n");
    Kv_String name = "old";
    Kv_TableRows rows{{"old row"}};
    EXPECT_FALSE(readFile(Kv_String(folder.text()) + "Broken.pr", name, rows));
    EXPECT_FALSE(readFile(Kv_String(folder.text()) + "Missing.pr", name, rows));
    EXPECT_EQ(name, "old");
    EXPECT_EQ(rows, (Kv_TableRows{{"old row"}}));
}

TEST(TableFile, WritesReplaceTheFileWholeAndAFailedOneLeavesNothingBehind) {
    TempFolder folder;
    writeText(folder.path() / "Family.pr", "old line one\r\nold line two\r\n");
    // A folder where the file should be makes the final rename fail.
    std::filesystem::create_directories(folder.path() / "Blocked.pr");
    EXPECT_FALSE(writeFile(Kv_String(folder.text()) + "Blocked.pr", {{"new"}}));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "Blocked.pr"));
    ASSERT_TRUE(writeFile(Kv_String(folder.text()) + "Family.pr", {{"new"}}));
    EXPECT_EQ(fileText(folder.path() / "Family.pr"), "new\r\n");
    // No temporary file is left beside the target.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++entries;
    EXPECT_EQ(entries, 2);
}

TEST(TableFile, PathsAreMatchedWithoutRegardToCase) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "prof");
    writeText(folder.path() / "prof" / "IPE.pr", "1\r\n");
    Kv_String name;
    Kv_TableRows rows;
    ASSERT_TRUE(readFile(Kv_String(folder.text()) + "PROF\\ipe.pr", name, rows));
    EXPECT_EQ(name, "ipe");
    EXPECT_EQ(rows, (Kv_TableRows{{"1"}}));
}
