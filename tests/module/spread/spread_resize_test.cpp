// Column widths on resize: the five modes and the fitting functions, integer division included.
#include "spread_test_support.h"

namespace {

class ResizeTest : public SpreadTest {
protected:
    int width(int col) {
        int pixels = 0;
        sheet->GetColWidthInPixels(col, &pixels);
        return pixels;
    }
    int clientWidth() {
        RECT rect{};
        ::GetClientRect(sheet->m_hWnd, &rect);
        return rect.right - rect.left;
    }
};

TEST_F(ResizeTest, EqualWidthsIncludeTheHeaderColumn) {
    openSheet(4, 1);
    ASSERT_TRUE(sheet->setResizeMode(1, 0, 0));
    ASSERT_TRUE(sheet->applyResize());
    const int each = clientWidth() / 5;
    for (int col = 1; col <= 4; ++col) EXPECT_EQ(width(col), each);
    EXPECT_EQ(width(SS_HEADER), each);
}

TEST_F(ResizeTest, NegativeCountFixesTheLastColumns) {
    openSheet(4, 1);
    const int w = clientWidth();
    ASSERT_TRUE(sheet->setResizeMode(3, -2, 30));
    ASSERT_TRUE(sheet->applyResize());
    const int fixed = static_cast<int>(w * 0.30 / 2);
    const int rest = (w - fixed * 2) / 3;
    EXPECT_EQ(width(1), rest);
    EXPECT_EQ(width(2), rest);
    EXPECT_EQ(width(3), fixed);
    EXPECT_EQ(width(4), fixed);
    EXPECT_EQ(width(SS_HEADER), rest);
}

TEST_F(ResizeTest, PositiveCountFixesTheFirstColumnsWithoutHeader) {
    openSheet(3, 1);
    sheet->SetBool(sheet::kOptRowHeaderShown, 0);
    const int w = clientWidth();
    fitColumnsPercent(sheet.get(), 1, 50);
    EXPECT_EQ(width(1), w / 2);
    EXPECT_EQ(width(2), (w - w / 2) / 2);
    EXPECT_EQ(width(3), (w - w / 2) / 2);
}

TEST_F(ResizeTest, OneFixedColumnShareTheRestWithTheHeader) {
    openSheet(3, 1);
    const int w = clientWidth();
    ASSERT_TRUE(fitColumnsExcept(sheet.get(), 2, 100));
    const int rest = (w - 100) / 3;
    EXPECT_EQ(width(2), 100);
    EXPECT_EQ(width(1), rest);
    EXPECT_EQ(width(3), rest);
    EXPECT_EQ(width(SS_HEADER), rest);
}

TEST_F(ResizeTest, ListedColumnsWithTheHeaderColumnKeepTheirWidths) {
    openSheet(3, 1);
    const int w = clientWidth();
    ASSERT_TRUE(sheet->setResizeMode(5, Kv_Array<int>{0, 2, 9}, Kv_Array<int>{30, 100}));
    ASSERT_TRUE(sheet->applyResize());
    const int rest = (w - 130) / 2;
    EXPECT_EQ(width(SS_HEADER), 30);
    EXPECT_EQ(width(2), 100);
    EXPECT_EQ(width(1), rest);
    EXPECT_EQ(width(3), rest);
}

TEST_F(ResizeTest, ResizingTheWindowReappliesTheMode) {
    openSheet(2, 1);
    sheet->SetBool(sheet::kOptRowHeaderShown, 0);
    sheet->setResizeMode(1, 0, 0);
    sheet->MoveWindow(0, 0, 301, 100);
    win::pumpMessages();
    EXPECT_EQ(width(1), clientWidth() / 2);
    EXPECT_EQ(width(2), clientWidth() / 2);
}

TEST_F(ResizeTest, FixedFirstColumnOnlyWhenItFits) {
    openSheet(3, 1);
    sheet->SetBool(sheet::kOptRowHeaderShown, 0);
    const int w = clientWidth();
    ASSERT_TRUE(fitColumnsEqual(sheet.get(), false, 50));
    EXPECT_EQ(width(3), 50);
    EXPECT_EQ(width(1), (w - 50) / 2);
    ASSERT_TRUE(fitColumnsEqual(sheet.get(), true, w));  // wider than a share: equal widths
    EXPECT_EQ(width(1), w / 3);
    sheet->SetMaxCols(0);
    EXPECT_FALSE(fitColumnsEqual(sheet.get(), true, -1));
}

TEST_F(ResizeTest, AutoFitTakesTheWidestTextHeaderIncluded) {
    openSheet(1, 2);
    sheet->setHeaderRowTexts({"Designation"});
    sheet->setColStrings(1, {"IPE", "HEB 1000"});
    ASSERT_TRUE(sheet->autoFitCol(1, false));
    const int withHeader = width(1);
    sheet->SetData(1, SS_HEADER, "");
    ASSERT_TRUE(sheet->autoFitCol(1, false));
    const int withLongestRow = width(1);
    EXPECT_LT(withLongestRow, withHeader);
    sheet->SetData(1, 2, "IPE");
    ASSERT_TRUE(sheet->autoFitCol(1, true));
    EXPECT_LT(width(1), withLongestRow);
    EXPECT_GT(width(1), 0);
}

}  // namespace
