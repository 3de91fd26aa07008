// Fitting columns and rows to their texts, checked against widths and heights worked out here
// from the texts and fonts the test gave: a column is as wide as its widest text (header row
// included), a row as tall as its tallest (header column included), pictures count for nothing,
// hidden (zero-width) columns and empty cells are fitted and measured like any other.
#include <map>
#include <string>
#include <utility>

#include "spread_test_support.h"
#include "win/font.h"

namespace {

constexpr int kCols = 6;
constexpr int kRows = 7;

class AutoFitTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        openSheet(kCols, kRows);
        hwnd = sheet->m_hWnd;
        setFont(SS_HEADER, SS_HEADER, kCols, kRows, {"Tahoma", 15, 400});
        setFont(1, SS_HEADER, kCols, SS_HEADER, {"Tahoma", 15, 700});
        setFont(3, 2, 3, 3, {"Courier New", 18, 400});
        setFont(5, 1, 5, kRows, {"Arial", 22, 400, true, true});
        setFont(2, 6, 4, 6, {"Tahoma", 9, 900});

        setText(0, 0, "");
        const char* header[kCols] = {"Designation", "I/O", "Height", "", "W", "Notes"};
        for (int col = 1; col <= kCols; ++col) setText(col, 0, header[col - 1]);
        for (int row = 1; row <= kRows; ++row) setText(0, row, row == 4 ? "A much longer row label" : "SHS");
        setText(1, 1, "SHS 100x100x10");
        setText(1, 2, "SHS 200x100x5 with a wide description that runs on");
        setText(1, 3, "two\nlines here, the second wider");
        setText(2, 1, "1");
        setText(2, 2, "0");
        setText(3, 2, "1.50");
        setText(3, 3, "mmmm\nmmmmmmmm");
        setText(3, 5, "120");
        setText(4, 7, "three\nline\ntext");
        setText(5, 1, "WWW");
        setText(5, 4, "x");
        setText(6, 6, "\ttabbed");
        setText(2, 6, "small bold");
        // A picture cell whose text would otherwise be the widest and tallest of its column.
        setText(6, 3, "a picture's file name far wider than anything else\nand on two lines");
        SS_CELLTYPE picture;
        SSSetTypePicture(hwnd, &picture, 0, "picture.bmp");
        ASSERT_TRUE(SSSetCellType(hwnd, 6, 3, &picture));
        pictures[{6, 3}] = true;
        // Column 4 is hidden before fitting.
        ASSERT_TRUE(sheet->SetColWidthInPixels(4, 0));
    }
    void TearDown() override {
        for (HFONT font : fonts) DeleteObject(font);
        SpreadTest::TearDown();
    }

    void setFont(int col1, int row1, int col2, int row2, const win::FontSpec& look) {
        HFONT font = CreateFont(look.height, 0, 0, 0, look.weight, look.italic, look.underline, 0, DEFAULT_CHARSET, 0,
                                0, 0, 0, look.face.c_str());
        fonts.push_back(font);
        ASSERT_TRUE(SSSetFontRange(hwnd, col1, row1, col2, row2, font, FALSE));
        for (int col = col1 == SS_HEADER ? 0 : col1; col <= col2; ++col)
            for (int row = row1 == SS_HEADER ? 0 : row1; row <= row2; ++row) looks[{col, row}] = look;
    }
    void setText(int col, int row, const std::string& text) {
        ASSERT_TRUE(SSSetData(hwnd, col == 0 ? SS_HEADER : col, row == 0 ? SS_HEADER : row, text.c_str()));
        texts[{col, row}] = text;
    }
    win::TextSize extent(int col, int row) {
        if (pictures.count({col, row})) return {};
        return win::measureText(looks.at({col, row}), texts[{col, row}]);
    }
    int expectedWidth(int col) {
        int widest = 0;
        for (int row = 0; row <= kRows; ++row) widest = std::max(widest, extent(col, row).cx);
        return widest;
    }
    int expectedHeight(int row) {
        int tallest = 0;
        for (int col = 0; col <= kCols; ++col) tallest = std::max(tallest, extent(col, row).cy);
        return tallest;
    }
    void expectColumnsFitted(int firstCol) {
        for (int col = firstCol; col <= kCols; ++col)
            EXPECT_EQ(engine().colWidth(col == 0 ? SS_HEADER : col), expectedWidth(col)) << "column " << col;
    }
    void expectRowsFitted(int firstRow) {
        for (int row = firstRow; row <= kRows; ++row)
            EXPECT_EQ(engine().rowHeight(row == 0 ? SS_HEADER : row), expectedHeight(row)) << "row " << row;
    }

    HWND hwnd = nullptr;
    std::vector<HFONT> fonts;
    std::map<std::pair<int, int>, win::FontSpec> looks;
    std::map<std::pair<int, int>, std::string> texts;
    std::map<std::pair<int, int>, bool> pictures;
};

TEST_F(AutoFitTest, EveryColumnAndRowHeadersIncludedTakesItsWidestAndTallestText) {
    ASSERT_TRUE(sheet->autoFitAll());
    expectColumnsFitted(0);
    expectRowsFitted(0);
    // The case is varied enough to mean something: the widths and heights differ.
    EXPECT_GT(expectedWidth(1), expectedWidth(2));
    EXPECT_GT(expectedWidth(4), 0);  // the hidden column comes back at its text's width
    EXPECT_EQ(expectedHeight(7), 3 * 15);
    EXPECT_EQ(expectedHeight(3), 2 * 18);
}

TEST_F(AutoFitTest, ColumnsAndRowsFittedApartLeaveTheHeadersAsTheyWere) {
    ASSERT_TRUE(sheet->SetColWidthInPixels(SS_HEADER, 33));
    ASSERT_TRUE(sheet->SetRowHeightInPixels(SS_HEADER, 44));
    ASSERT_TRUE(sheet->setResizeMode(2, 0, 0));
    ASSERT_TRUE(sheet->applyResize());  // fit to contents: all columns, then all rows
    expectColumnsFitted(1);
    expectRowsFitted(1);
    EXPECT_EQ(engine().colWidth(SS_HEADER), 33);
    EXPECT_EQ(engine().rowHeight(SS_HEADER), 44);
}

TEST_F(AutoFitTest, OneColumnOrRowAtATime) {
    ASSERT_TRUE(sheet->autoFitCol(1, true));
    EXPECT_EQ(engine().colWidth(1), expectedWidth(1));
    EXPECT_EQ(engine().colWidth(4), 0);
    ASSERT_TRUE(sheet->autoFitCol(6, false));
    EXPECT_EQ(engine().colWidth(6), expectedWidth(6));
    ASSERT_TRUE(sheet->autoFitCol(SS_HEADER, false));
    EXPECT_EQ(engine().colWidth(SS_HEADER), expectedWidth(0));
    ASSERT_TRUE(sheet->autoFitRow(3));
    EXPECT_EQ(engine().rowHeight(3), expectedHeight(3));
    ASSERT_TRUE(sheet->autoFitRow(SS_HEADER));
    EXPECT_EQ(engine().rowHeight(SS_HEADER), expectedHeight(0));
    EXPECT_FALSE(sheet->autoFitCol(kCols + 1, false));
    EXPECT_FALSE(sheet->autoFitRow(kRows + 1));
}

}  // namespace
