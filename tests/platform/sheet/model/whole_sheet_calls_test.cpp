// The calls a file format fills and reads a whole sheet with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/sheet.h"

namespace {

using sheet::CellRef;
using sheet::CellSpan;
using sheet::SetResult;
using sheet::Sheet;
using sheet::Value;

TEST(WholeSheetCalls, AFormulaWithItsSavedResultStartsUpToDate) {
    Sheet s;
    s.setData({1, 1}, "4");
    Value saved = Value::number(99);  // what a file says, even if stale
    ASSERT_EQ(s.setFormula({2, 1}, "A1*2", sheet::RefStyle::A1, &saved), SetResult::Ok);
    EXPECT_EQ(s.valueText({2, 1}), "99");
    EXPECT_EQ(s.dirtyCount(), 0u);
    s.setData({1, 1}, "5");  // its reader is linked: an edit computes it
    EXPECT_EQ(s.valueText({2, 1}), "10");
    EXPECT_EQ(s.setFormula({3, 1}, "RC[-2]+", sheet::RefStyle::R1C1), SetResult::BadFormula);
    ASSERT_EQ(s.setFormula({3, 1}, "RC[-2]+1", sheet::RefStyle::R1C1), SetResult::Ok);
    EXPECT_EQ(s.formulaText({3, 1}, sheet::RefStyle::A1), "A1+1");
    EXPECT_EQ(s.valueText({3, 1}), "6");
}

TEST(WholeSheetCalls, ConstantsOfEveryTypeKeepTheirTypedText) {
    Sheet s;
    ASSERT_TRUE(s.setValue({1, 1}, Value::number(1.5), "1.50"));
    ASSERT_TRUE(s.setValue({1, 2}, Value::boolean(true)));
    ASSERT_TRUE(s.setValue({1, 3}, Value::error(sheet::ErrorKind::NA)));
    ASSERT_TRUE(s.setValue({1, 4}, Value::text("=not a formula")));
    s.setData({2, 1}, "=A1*2");
    EXPECT_EQ(s.data({1, 1}), "1.50");
    EXPECT_EQ(s.valueText({2, 1}), "3");
    EXPECT_TRUE(s.value({1, 2}).isBool());
    EXPECT_EQ(s.data({1, 3}), "#N/A");
    EXPECT_FALSE(s.hasFormula({1, 4}));
    EXPECT_FALSE(s.setValue({1, s.maxRows() + 1}, Value::number(1)));
}

TEST(WholeSheetCalls, TheWalkVisitsStoredCellsInReadingOrder) {
    Sheet s;
    s.setMaxRows(1000);
    s.setData({3, 900}, "far");
    s.setData({2, 1}, "=C900");
    s.setTag({1, 1}, "tag only");
    s.setLocked({{4, 2}, {4, 2}}, true);
    s.setOption(sheet::kOptAutoCalc, false);
    s.setData({3, 900}, "changed");
    std::vector<std::string> seen;
    s.forEachCell([&](const sheet::CellEntry& c) {
        seen.push_back(sheet::columnName(c.at.col) + std::to_string(c.at.row) + ":" + std::string(c.tag) + ":" +
                       (c.formula ? "f" : "") + (c.outOfDate ? "!" : "") + (c.formatId ? "L" : ""));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"A1:tag only:", "B1::f!", "D2::L", "C900::"}));
}

TEST(WholeSheetCalls, LooksByNumberAreSharedAndUnknownNumbersRefused) {
    Sheet s;
    sheet::CellFormat bold;
    bold.font.weight = 700;
    uint32_t id = s.addFormat(bold);
    EXPECT_EQ(s.addFormat(bold), id);
    EXPECT_EQ(s.formatCount(), 2u);
    ASSERT_TRUE(s.setFormatId({2, 2}, id));
    EXPECT_EQ(s.format({2, 2}).font.weight, 700);
    EXPECT_FALSE(s.setFormatId({2, 3}, id + 1));
}

TEST(WholeSheetCalls, SpansSetAtOnceAreRefusedWhenTwoOverlap) {
    Sheet s;
    ASSERT_TRUE(s.addSpan({1, 1}, 2, 1));
    EXPECT_FALSE(s.setSpans({CellSpan{{1, 1}, 2, 2}, CellSpan{{2, 2}, 1, 3}}));
    EXPECT_FALSE(s.setSpans({CellSpan{{26, 100}, 2, 1}}));  // leaves the sheet
    ASSERT_EQ(s.spans().size(), 1u);
    ASSERT_TRUE(s.setSpans({CellSpan{{3, 1}, 1, 2}, CellSpan{{1, 1}, 2, 2}, CellSpan{{5, 5}, 1, 1}}));
    EXPECT_EQ(s.spans().size(), 2u);  // the 1 x 1 span is no span
    EXPECT_EQ(s.spanAt({2, 2})->anchor, (CellRef{1, 1}));
}

TEST(WholeSheetCalls, OnlySizesSetExplicitlyAreListed) {
    Sheet s;
    s.setColWidth(3, 80);
    s.setRowHeight(0, 30);
    s.setRowHeight(7, 12);
    using Sizes = std::vector<std::pair<int32_t, int32_t>>;
    EXPECT_EQ(s.colWidthsSet(), (Sizes{{3, 80}}));
    EXPECT_EQ(s.rowHeightsSet(), (Sizes{{0, 30}, {7, 12}}));
}

}  // namespace

namespace {

// A range walk gives what data() and format() give, cell by cell, stored or not, in reading
// order, across the chunks a long column is kept in, and clipped to the sheet.
TEST(WholeSheetCalls, ARangeWalkGivesEveryCellsDataAndLook) {
    Sheet s;
    ASSERT_TRUE(s.setMaxCols(4));
    ASSERT_TRUE(s.setMaxRows(600));
    sheet::CellFont bold;
    bold.weight = 700;
    ASSERT_TRUE(s.setFont({{2, 0}, {3, 2}}, bold));
    s.setData({0, 1}, "label");
    s.setData({1, 1}, "1.50");
    s.setData({2, 1}, "=A1*2");
    s.setData({3, 2}, "text");
    s.setData({1, 2}, "40");
    ASSERT_TRUE(s.setValue({1, 3}, Value::boolean(true)));
    s.setData({4, 599}, "low");
    s.setData({4, 300}, "1e3");
    std::vector<CellRef> seen;
    int differing = 0;
    s.forEachInRange({{0, 0}, {9, 9999}}, [&](CellRef c, std::string_view data, const sheet::CellFormat& look) {
        seen.push_back(c);
        differing += data != s.data(c) || !(look == s.format(c));
    });
    EXPECT_EQ(differing, 0);
    ASSERT_EQ(seen.size(), 5u * 601u);
    EXPECT_EQ(seen[1], (CellRef{1, 0}));
    EXPECT_EQ(seen[5], (CellRef{0, 1}));
    EXPECT_EQ(seen.back(), (CellRef{4, 600}));
    int visited = 0;
    s.forEachInRange({{2, 1}, {3, 2}}, [&](CellRef c, std::string_view data, const sheet::CellFormat& look) {
        ++visited;
        if (c == CellRef{2, 1}) EXPECT_EQ(data, "3");
        EXPECT_EQ(look.font.weight, 700);
    });
    EXPECT_EQ(visited, 4);
}

}  // namespace
