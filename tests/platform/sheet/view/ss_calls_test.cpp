// The engine's calls as the wrapper uses them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "spread_parent.h"

namespace {

TEST_F(SpreadTest, HeaderCellsAreAddressedWithMinus32767AndZero) {
    ASSERT_TRUE(SSSetData(sheetWnd, SS_HEADER, 3, "row 3"));
    ASSERT_TRUE(SSSetData(sheetWnd, 2, SS_HEADER, "B"));
    EXPECT_EQ(data(0, 3), "row 3");
    EXPECT_EQ(data(2, 0), "B");
    EXPECT_FALSE(SSSetData(sheetWnd, 6, 1, "outside"));
    EXPECT_EQ(SSGetMaxCols(nullptr), -1);
    EXPECT_FALSE(SSSetData(parent, 1, 1, "not a sheet"));
}

TEST_F(SpreadTest, TextsAreReadByLengthThenBuffer) {
    SSSetData(sheetWnd, 1, 1, "1.50");
    SSSetData(sheetWnd, 2, 1, "=A1*2");
    EXPECT_EQ(SSGetDataLen(sheetWnd, 1, 1), 4);
    char buffer[16];
    EXPECT_NE(SSGetValue(sheetWnd, 2, 1, buffer), 0);
    EXPECT_STREQ(buffer, "3");
    EXPECT_EQ(SSGetFormulaLen(sheetWnd, 2, 1), 4);
    SSGetFormula(sheetWnd, 2, 1, buffer);
    EXPECT_STREQ(buffer, "A1*2");
    double v = 0;
    EXPECT_TRUE(SSGetFloat(sheetWnd, 2, 1, &v));
    EXPECT_DOUBLE_EQ(v, 3.0);
    ASSERT_TRUE(_SSSetCellTag(sheetWnd, 0, 0, "tag\xA4text"));
    EXPECT_EQ(_SSGetCellTag(sheetWnd, 0, 0, nullptr), 8);
    _SSGetCellTag(sheetWnd, 0, 0, buffer);
    EXPECT_STREQ(buffer, "tag\xA4text");
}

TEST_F(SpreadTest, CellTypesReadBackTheirNumber) {
    SS_CELLTYPE ct;
    SSSetTypeCheckBox(sheetWnd, &ct, 768, "", nullptr, 6, nullptr, 6, nullptr, 6, nullptr, 6);
    SSSetCellType(sheetWnd, 2, 2, &ct);
    _SSSetTypeNumber(sheetWnd, &ct, 0x10000200, 2, 10000, -10000, TRUE);
    SSSetCellTypeRange(sheetWnd, 1, 1, 1, 6, &ct);
    SS_CELLTYPE back;
    ASSERT_TRUE(SSGetCellType(sheetWnd, 2, 2, &back));
    EXPECT_EQ(back.Type, 12);
    ASSERT_TRUE(SSGetCellType(sheetWnd, 1, 6, &back));
    EXPECT_EQ(back.Type, 14);
    // Limits given the wrong way round still make a usable range.
    EXPECT_EQ(back.record.minimum, -10000);
    EXPECT_EQ(back.record.maximum, 10000);
}

TEST_F(SpreadTest, CopyRangeAndSwapRangeTakeEngineCoordinates) {
    SSSetData(sheetWnd, SS_HEADER, 1, "label");
    SSSetData(sheetWnd, 1, 1, "x");
    ASSERT_TRUE(SSCopyRange(sheetWnd, SS_HEADER, 1, 5, 1, SS_HEADER, 2));
    EXPECT_EQ(data(0, 2), "label");
    EXPECT_EQ(data(1, 2), "x");
    SSSetData(sheetWnd, 1, 3, "three");
    ASSERT_TRUE(SSSwapRange(sheetWnd, 1, 2, 5, 2, 1, 3));
    EXPECT_EQ(data(1, 2), "three");
}

sheet::SSValue* lastResult = nullptr;
bool addArgs(sheet::SSValue* result, sheet::SSValue* args, int16_t count) {
    long sum = 0;
    for (int i = 0; i < count; ++i) {
        if (args[i].status != sheet::kSSValueOk || args[i].type != sheet::kSSValueLong) return true;
        sum += args[i].longValue;
    }
    result->status = sheet::kSSValueOk;
    result->type = sheet::kSSValueLong;
    result->longValue = sum;
    lastResult = result;
    return true;
}

TEST_F(SpreadTest, CustomFunctionsTakeTwoToFourArguments) {
    ASSERT_TRUE(_SSAddCustomFunctionExt(sheetWnd, "ADDUP", 2, 4, addArgs, 0));
    SSSetData(sheetWnd, 1, 1, "=ADDUP(1,2)");
    SSSetData(sheetWnd, 1, 2, "=ADDUP(1,2,3,4)");
    SSSetData(sheetWnd, 1, 3, "=ADDUP(1)");
    SSSetData(sheetWnd, 1, 4, "=ADDUP(1,2,3,4,5)");
    EXPECT_EQ(data(1, 1), "3");
    EXPECT_EQ(data(1, 2), "10");
    // Calls with a wrong count are refused: they stay the texts that were typed.
    EXPECT_EQ(data(1, 3), "=ADDUP(1)");
    EXPECT_EQ(data(1, 4), "=ADDUP(1,2,3,4,5)");
}

TEST_F(SpreadTest, SaveAndLoadThroughBackslashPaths) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("kvsheet_view_" + std::to_string(::getpid()));
    fs::create_directories(dir / "Sheets");
    std::string path = dir.string() + "\\sheets\\one.ss";
    SSSetData(sheetWnd, 1, 1, "kept");
    SSSetBool(sheetWnd, 30, TRUE);
    ASSERT_TRUE(SSSaveToFile(sheetWnd, path.c_str(), FALSE));
    SSSetData(sheetWnd, 1, 1, "changed");
    ASSERT_TRUE(SSLoadFromFile(sheetWnd, path.c_str()));
    EXPECT_EQ(data(1, 1), "kept");
    EXPECT_FALSE(SSLoadFromFile(sheetWnd, (dir.string() + "\\missing.ss").c_str()));
    EXPECT_EQ(data(1, 1), "kept");
    fs::remove_all(dir);
}

// Paths reach the engine as the package's texts (code page 1252); on disk the names are UTF-8.
TEST_F(SpreadTest, SaveAndLoadNamesWithAccentedLettersInAnyCase) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("kvsheet_view_accent_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    SSSetData(sheetWnd, 1, 1, "HEA 200");
    ASSERT_TRUE(SSSaveToFile(sheetWnd, (dir.string() + "\\Tr\xE4ger.ss").c_str(), FALSE));  // Träger.ss
    EXPECT_TRUE(fs::is_regular_file(dir / "Tr\xC3\xA4ger.ss"));
    SSSetData(sheetWnd, 1, 1, "changed");
    ASSERT_TRUE(SSLoadFromFile(sheetWnd, (dir.string() + "\\TR\xC4GER.SS").c_str()));  // TRÄGER.SS
    EXPECT_EQ(data(1, 1), "HEA 200");
    fs::remove_all(dir);
}

}  // namespace

namespace {

TEST_F(SpreadTest, ABlockOfTextsGoesInRowByRowAsSetDataEntersEach) {
    const LPCSTR texts[] = {"a", "1.50", nullptr, "=A1", "b", "c"};
    ASSERT_TRUE(SSSetDataBlock(sheetWnd, SS_HEADER, 2, 2, 3, texts));
    EXPECT_EQ(data(SS_HEADER, 2), "a");
    EXPECT_EQ(data(1, 2), "1.50");
    EXPECT_EQ(data(2, 2), "");
    SSSetData(sheetWnd, 5, 8, "=A1");
    EXPECT_EQ(data(SS_HEADER, 3), data(5, 8));
    EXPECT_EQ(data(2, 3), "c");
    // A block reaching past the sheet writes nothing.
    const LPCSTR wide[] = {"x", "y"};
    EXPECT_FALSE(SSSetDataBlock(sheetWnd, 5, 1, 6, 1, wide));
    EXPECT_EQ(data(5, 1), "");
    EXPECT_FALSE(SSSetDataBlock(sheetWnd, 2, 1, 1, 1, wide));
    EXPECT_FALSE(SSSetDataBlock(parent, 1, 1, 2, 1, wide));
}

TEST_F(SpreadTest, MeasuringABlockGivesWhatMeasuringEachCellGives) {
    SSSetData(sheetWnd, SS_HEADER, 1, "a row label");
    SSSetData(sheetWnd, 2, SS_HEADER, "B");
    SSSetData(sheetWnd, 2, 3, "two\nlines");
    SSSetData(sheetWnd, 4, 8, "the widest text of the sheet");
    SS_CELLTYPE picture;
    SSSetTypePicture(sheetWnd, &picture, 0, "p.bmp");
    SSSetData(sheetWnd, 3, 2, "a picture's name, wider than anything");
    SSSetCellType(sheetWnd, 3, 2, &picture);
    double widths[6] = {}, heights[9] = {};
    ASSERT_TRUE(SSGetMaxTextSizes(sheetWnd, SS_HEADER, SS_HEADER, 5, 8, widths, heights));
    for (int col = 0; col <= 5; ++col) {
        double widest = 0;
        ASSERT_TRUE(SSGetMaxTextColWidth(sheetWnd, col == 0 ? SS_HEADER : col, &widest));
        EXPECT_DOUBLE_EQ(widths[col], widest) << col;
    }
    for (int row = 0; row <= 8; ++row) {
        double tallest = 0;
        for (int col = 0; col <= 5; ++col) {
            double w = 0, h = 0;
            ASSERT_TRUE(SSGetMaxTextCellSize(sheetWnd, col == 0 ? SS_HEADER : col, row == 0 ? SS_HEADER : row, &w, &h));
            tallest = std::max(tallest, h);
        }
        EXPECT_DOUBLE_EQ(heights[row], tallest) << row;
    }
    EXPECT_GT(widths[4], widths[3]);
    EXPECT_EQ(heights[3], 2 * heights[1]);
    // Part of the sheet, and only widths.
    double two[2] = {};
    ASSERT_TRUE(SSGetMaxTextSizes(sheetWnd, 2, 1, 3, 8, two, nullptr));
    EXPECT_DOUBLE_EQ(two[0], widths[2]);  // "lines" is wider than the header's "B"
    EXPECT_EQ(two[1], 0.0);               // a picture alone
    EXPECT_FALSE(SSGetMaxTextSizes(sheetWnd, 1, 1, 6, 8, two, nullptr));
    EXPECT_FALSE(SSGetMaxTextSizes(sheetWnd, 3, 1, 2, 1, two, nullptr));
}

}  // namespace
