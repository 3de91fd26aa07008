// Structural edits move what belongs to a cell with it: content, formula, look, tag, span.
#include <gtest/gtest.h>

#include "sheet/sheet.h"

namespace {

using sheet::CellRef;
using sheet::CellSpan;
using sheet::Sheet;

class SheetStructure : public testing::Test {
protected:
    void SetUp() override {
        s.setMaxCols(8);
        s.setMaxRows(12);
    }
    Sheet s;
};

TEST_F(SheetStructure, InsertedRowsMoveTagsLooksAndSpans) {
    s.setData({1, 4}, "four");
    s.setTag({1, 4}, "tag of four");
    s.setLocked({{1, 4}, {1, 4}}, true);
    s.addSpan({2, 3}, 1, 3);  // rows 3..5: grows when rows come in inside it
    s.addSpan({4, 6}, 2, 1);  // below: moves
    s.addSpan({6, 1}, 2, 1);  // above: stays
    ASSERT_TRUE(s.insertRows(4, 2));
    EXPECT_EQ(s.data({1, 6}), "four");
    EXPECT_EQ(s.tag({1, 6}), "tag of four");
    EXPECT_TRUE(s.format({1, 6}).locked);
    EXPECT_FALSE(s.format({1, 4}).locked);
    EXPECT_EQ(s.spanAt({2, 3})->rows, 5);
    EXPECT_EQ(s.spanAt({4, 8})->anchor, (CellRef{4, 8}));
    EXPECT_EQ(s.spanAt({7, 1})->anchor, (CellRef{6, 1}));
    EXPECT_EQ(s.maxRows(), 12);
}

TEST_F(SheetStructure, RowsPushedOffTheEndAreDropped) {
    s.setData({1, 12}, "last");
    s.addSpan({2, 11}, 1, 2);
    ASSERT_TRUE(s.insertRows(1, 1));
    EXPECT_EQ(s.data({1, 12}), "");
    // The span now starts in the last row and would reach past it: cut to one cell, it goes.
    EXPECT_FALSE(s.spanAt({2, 12}));
    EXPECT_TRUE(s.spans().empty());
}

TEST_F(SheetStructure, DeletedRowsTakeTheirSpansAndShrinkStraddlingOnes) {
    s.addSpan({1, 2}, 1, 4);  // rows 2..5
    s.addSpan({3, 3}, 2, 1);  // inside the deleted rows
    s.addSpan({5, 8}, 1, 2);  // below
    s.setData({6, 9}, "nine");
    ASSERT_TRUE(s.deleteRows(3, 2));
    EXPECT_EQ(s.spanAt({1, 2})->rows, 2);
    EXPECT_FALSE(s.spanAt({3, 3}));
    EXPECT_EQ(s.spanAt({5, 6})->anchor, (CellRef{5, 6}));
    EXPECT_EQ(s.data({6, 7}), "nine");
    EXPECT_EQ(s.spans().size(), 2u);
}

TEST_F(SheetStructure, ColumnsMoveFormulasAndWidths) {
    s.setData({1, 1}, "2");
    s.setData({3, 1}, "=A1*B1");
    s.setData({2, 1}, "5");
    s.setColWidth(3, 120);
    ASSERT_TRUE(s.insertCols(2, 1));
    EXPECT_EQ(s.formulaText({4, 1}), "A1*C1");
    EXPECT_EQ(s.valueText({4, 1}), "10");
    EXPECT_EQ(s.colWidth(4), 120);
    ASSERT_TRUE(s.deleteCols(1, 1));
    EXPECT_EQ(s.formulaText({3, 1}), "#REF!*B1");
    EXPECT_EQ(s.valueText({3, 1}), "#REF!");
}

TEST_F(SheetStructure, CopyBringsSpansAndShiftsRelativeReferences) {
    s.setData({1, 1}, "3");
    s.setData({2, 1}, "=A1+$A$1");
    s.setData({0, 1}, "label");
    s.addSpan({3, 1}, 2, 1);
    s.setTag({2, 1}, "t");
    // As a sheet that grows by one row copies its last row, header cell included.
    ASSERT_TRUE(s.copyRange({{0, 1}, {8, 1}}, {0, 2}));
    EXPECT_EQ(s.data({0, 2}), "label");
    EXPECT_EQ(s.formulaText({2, 2}), "A2+$A$1");
    EXPECT_EQ(s.valueText({2, 2}), "6");
    EXPECT_EQ(s.tag({2, 2}), "t");
    EXPECT_EQ(s.spanAt({4, 2})->anchor, (CellRef{3, 2}));
    EXPECT_FALSE(s.copyRange({{1, 1}, {2, 1}}, {8, 1}));  // would pass the last column
}

TEST_F(SheetStructure, OverlappingCopyReadsTheSourceFirst) {
    for (int32_t r = 1; r <= 4; ++r) s.setData({1, r}, std::to_string(r));
    ASSERT_TRUE(s.copyRange({{1, 1}, {1, 4}}, {1, 2}));
    EXPECT_EQ(s.data({1, 2}), "1");
    EXPECT_EQ(s.data({1, 5}), "4");
}

TEST_F(SheetStructure, SwapExchangesRowsWithTheirSpansAndRefusesOverlap) {
    s.setData({1, 1}, "first");
    s.setData({1, 2}, "second");
    s.addSpan({2, 1}, 3, 1);
    s.setTag({1, 2}, "second tag");
    ASSERT_TRUE(s.swapRange({{1, 1}, {8, 1}}, {1, 2}));
    EXPECT_EQ(s.data({1, 1}), "second");
    EXPECT_EQ(s.tag({1, 1}), "second tag");
    EXPECT_EQ(s.tag({1, 2}), "");
    EXPECT_EQ(s.spanAt({3, 2})->anchor, (CellRef{2, 2}));
    EXPECT_FALSE(s.spanAt({3, 1}));
    EXPECT_FALSE(s.swapRange({{1, 1}, {1, 3}}, {1, 2}));
    EXPECT_EQ(s.data({1, 1}), "second");
}

TEST_F(SheetStructure, RefusesIndexesOutsideTheSheet) {
    EXPECT_FALSE(s.insertRows(0, 1));
    EXPECT_FALSE(s.insertRows(14, 1));
    EXPECT_TRUE(s.insertRows(13, 1));  // after the last row
    EXPECT_FALSE(s.deleteRows(13, 1));
    EXPECT_FALSE(s.deleteCols(1, 0));
}

}  // namespace
