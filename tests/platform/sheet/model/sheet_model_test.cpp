#include <gtest/gtest.h>

#include <string>

#include "sheet/formula/eval_context.h"
#include "sheet/sheet.h"

namespace {

using sheet::CellRef;
using sheet::RangeRef;
using sheet::SetResult;
using sheet::Sheet;

TEST(SheetModel, RefusesWhatDoesNotFitAndKeepsTheCell) {
    Sheet s;
    ASSERT_TRUE(s.setMaxCols(5));
    ASSERT_TRUE(s.setMaxRows(5));
    s.setData({2, 2}, "keep");
    EXPECT_EQ(s.setData({6, 1}, "x"), SetResult::OutOfRange);
    EXPECT_EQ(s.setData({1, 6}, "x"), SetResult::OutOfRange);
    EXPECT_EQ(s.setData({-1, 1}, "x"), SetResult::OutOfRange);
    EXPECT_EQ(s.setData({2, 2}, std::string(sheet::kMaxTextLength + 1, 'a')), SetResult::TooLong);
    EXPECT_EQ(s.data({2, 2}), "keep");
    EXPECT_FALSE(s.setTag({2, 2}, std::string(sheet::kMaxTextLength + 1, 'a')));
    EXPECT_FALSE(s.setMaxRows(sheet::kMaxSheetRows + 1));
    EXPECT_FALSE(s.setMaxCols(sheet::kMaxSheetCols + 1));
    EXPECT_FALSE(s.setMaxRows(-1));
    EXPECT_EQ(s.maxRows(), 5);
    EXPECT_FALSE(s.setColWidth(6, 10));
    EXPECT_FALSE(s.setColWidth(1, sheet::kMaxPixelSize + 1));
    EXPECT_FALSE(s.addSpan({4, 4}, 3, 1));
    EXPECT_FALSE(s.setOption(sheet::kOptionCount, true));
}

TEST(SheetModel, HeaderCellsHoldLabels) {
    Sheet s;
    s.setData({0, 3}, "row three");
    s.setData({2, 0}, "B label");
    EXPECT_EQ(s.data({0, 3}), "row three");
    EXPECT_EQ(s.data({2, 0}), "B label");
}

TEST(SheetModel, ShrinkingDiscardsCellsBeyondTheNewSize) {
    Sheet s;
    s.setMaxRows(20);
    s.setData({1, 15}, "7");
    s.setData({2, 1}, "=A15*2");
    EXPECT_EQ(s.valueText({2, 1}), "14");
    s.setMaxRows(10);
    s.setMaxRows(20);
    EXPECT_EQ(s.data({1, 15}), "");
    EXPECT_EQ(s.valueText({2, 1}), "0");
}

TEST(SheetModel, GrowingTheSheetLetsWholeColumnsSeeNewRows) {
    Sheet s;
    s.setMaxRows(5);
    s.setData({2, 1}, "=SUM(A:A)");
    s.setMaxRows(50);
    s.setData({1, 40}, "3");
    EXPECT_EQ(s.valueText({2, 1}), "3");
}

TEST(SheetModel, CellLooksAreSharedNotCopiedPerCell) {
    Sheet s;
    s.setMaxRows(10000);
    sheet::CellTypeRecord edit;
    edit.kind = sheet::CellKind::Edit;
    edit.maxLength = 100;
    ASSERT_TRUE(s.setCellType({{1, 1}, {3, 10000}}, edit));
    ASSERT_TRUE(s.setLocked({{2, 1}, {2, 10000}}, true));
    EXPECT_EQ(s.formatCount(), 3u);  // default, edit, edit+locked
    EXPECT_EQ(s.format({1, 9999}).type.kind, sheet::CellKind::Edit);
    EXPECT_TRUE(s.format({2, 5}).locked);
    EXPECT_FALSE(s.format({3, 5}).locked);
    sheet::CellTypeRecord unknown;
    unknown.kind = static_cast<sheet::CellKind>(9);
    EXPECT_FALSE(s.setCellType({{1, 1}, {1, 1}}, unknown));
}

TEST(SheetModel, BorderOutlineSetsAllFourSides) {
    Sheet s;
    ASSERT_TRUE(s.setBorder({{1, 1}, {1, 1}}, sheet::kBorderOutline, 6, 0x80));
    ASSERT_TRUE(s.setBorder({{2, 1}, {2, 1}}, sheet::kBorderRight, 2, 0));
    for (const auto& side : s.format({1, 1}).border) EXPECT_EQ(side.style, 6);
    EXPECT_EQ(s.format({2, 1}).border[1].style, 2);
    EXPECT_EQ(s.format({2, 1}).border[0].style, 0);
}

TEST(SheetModel, SpansReplaceTheSpansTheyOverlap) {
    Sheet s;
    ASSERT_TRUE(s.addSpan({1, 1}, 2, 2));
    ASSERT_TRUE(s.addSpan({4, 2}, 2, 1));
    ASSERT_TRUE(s.addSpan({7, 1}, 1, 2));
    ASSERT_TRUE(s.addSpan({2, 2}, 3, 1));  // overlaps the first two
    ASSERT_EQ(s.spans().size(), 2u);
    EXPECT_EQ(s.spanAt({4, 2})->anchor, (CellRef{2, 2}));
    EXPECT_FALSE(s.spanAt({1, 1}));
    EXPECT_FALSE(s.spanAt({5, 2}));
    EXPECT_TRUE(s.spanAt({7, 2}));
    EXPECT_TRUE(s.removeSpan({2, 2}));
    EXPECT_FALSE(s.removeSpan({2, 2}));
    EXPECT_EQ(s.spans().size(), 1u);
}

TEST(SheetModel, FilledDownFormulasShareOneProgram) {
    Sheet s;
    s.setMaxRows(2000);
    s.setOption(sheet::kOptAutoCalc, false);
    s.setData({1, 1}, "1");
    for (int32_t r = 2; r <= 2000; ++r) s.setData({1, r}, "=A" + std::to_string(r - 1) + "+1");
    EXPECT_EQ(s.stats().formulaPrograms, 1u);
    s.recalc();
    EXPECT_EQ(s.valueText({1, 2000}), "2000");
    EXPECT_EQ(s.formulaText({1, 1500}), "A1499+1");
}

// Every cell of a shared program must read exactly as its own text parsed in that cell.
class SharedFormulaForms : public testing::TestWithParam<const char*> {};

TEST_P(SharedFormulaForms, ReadAsIfParsedInEachCell) {
    Sheet s;
    s.setMaxRows(60);
    s.setMaxCols(30);
    s.settings().refStyle = sheet::RefStyle::R1C1;
    std::vector<CellRef> cells = {{5, 10}, {6, 20}, {9, 12}, {5, 40}};
    for (CellRef c : cells) ASSERT_EQ(s.setData(c, std::string("=") + GetParam()), SetResult::Ok);
    EXPECT_EQ(s.stats().formulaPrograms, 1u);
    s.settings().refStyle = sheet::RefStyle::A1;
    for (CellRef c : cells) {
        auto direct = sheet::parseFormula(GetParam(), sheet::RefStyle::R1C1, c, s.functions());
        ASSERT_TRUE(direct.ok);
        EXPECT_EQ(s.formulaText(c), sheet::printFormula(*direct.formula, sheet::RefStyle::A1, c));
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, SharedFormulaForms,
                         testing::Values("R[-1]C+1", "R1C1*RC[-2]", "SUM(R1C:R[-1]C)", "SUM(C1:C2)+SUM(R3:R4)",
                                         "R[-3]C[1]:R5C[2]", "IF(R2C>0,\"yes\",R1C[-1]&\"no\")", "SUM(R1C1:RC)"));

TEST(SheetModel, AddingACustomFunctionRecomputesItsCallers) {
    Sheet s;
    s.setData({1, 1}, "=TWICE(21)");
    s.setData({1, 2}, "=1+1");
    EXPECT_EQ(s.valueText({1, 1}), "#NAME?");
    sheet::FunctionDef def;
    def.name = "TWICE";
    def.minArgs = def.maxArgs = 1;
    def.custom = true;
    def.impl = [](std::span<const sheet::Operand> args, sheet::EvalContext&) {
        return sheet::Value::number(args[0].value.asNumber() * 2);
    };
    ASSERT_TRUE(s.addFunction(def));
    EXPECT_EQ(s.dirtyCount(), 1u);
    s.recalc();
    EXPECT_EQ(s.valueText({1, 1}), "42");
    s.removeCustomFunctions();
    EXPECT_EQ(s.functions().find("TWICE"), nullptr);
}

TEST(SheetModel, AFunctionThatWritesIntoTheSheetSettlesAfterTheWrite) {
    Sheet s;
    sheet::FunctionDef def;
    def.name = "PUTB1";
    def.minArgs = def.maxArgs = 1;
    def.custom = true;
    def.impl = [](std::span<const sheet::Operand> args, sheet::EvalContext& ctx) {
        ctx.setCellData({2, 1}, sheet::valueToText(args[0].value));
        return sheet::Value::number(1);
    };
    ASSERT_TRUE(s.addFunction(def));
    s.setData({3, 1}, "=B1*10");
    s.setData({1, 1}, "=PUTB1(4)");
    EXPECT_EQ(s.data({2, 1}), "4");
    EXPECT_EQ(s.valueText({3, 1}), "40");
    EXPECT_EQ(s.dirtyCount(), 0u);
}

TEST(SheetModel, ColumnNamesCountLikeASpreadsheet) {
    EXPECT_EQ(sheet::columnName(1), "A");
    EXPECT_EQ(sheet::columnName(26), "Z");
    EXPECT_EQ(sheet::columnName(27), "AA");
    EXPECT_EQ(sheet::columnName(703), "AAA");
}

}  // namespace
