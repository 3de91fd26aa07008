#include <gtest/gtest.h>

#include "fake_sheet.h"

namespace sheet::test {
namespace {

constexpr CellRef kAt{10, 10};

std::shared_ptr<const Formula> parse(const char* text) {
    auto r = parseFormula(text, RefStyle::A1, kAt, builtinFunctions());
    EXPECT_TRUE(r.ok) << text << ": " << r.error;
    return r.formula;
}

std::string print(const std::shared_ptr<const Formula>& f, CellRef at = kAt) {
    return printFormula(*f, RefStyle::A1, at);
}

struct ShiftCase {
    const char* before;
    const char* after;
};

class InsertRows : public ::testing::TestWithParam<ShiftCase> {};
TEST_P(InsertRows, MovesReferencesAtOrBelow) {
    // Two rows inserted before row 3.
    EXPECT_EQ(print(shiftForInsert(*parse(GetParam().before), true, 3, 2)), GetParam().after);
}
INSTANTIATE_TEST_SUITE_P(Formula, InsertRows,
                         ::testing::Values(ShiftCase{"A2+A3", "A2+A5"}, ShiftCase{"$A$3*B$9", "$A$5*B$11"},
                                           ShiftCase{"SUM(A1:A2)", "SUM(A1:A2)"}, ShiftCase{"SUM(A2:B3)", "SUM(A2:B5)"},
                                           ShiftCase{"SUM(A3:B4)", "SUM(A5:B6)"}, ShiftCase{"SUM(A:A)", "SUM(A:A)"},
                                           ShiftCase{"SUM(2:3)", "SUM(2:5)"}, ShiftCase{"\"A3\"&A3", "\"A3\"&A5"}));

class DeleteRows : public ::testing::TestWithParam<ShiftCase> {};
TEST_P(DeleteRows, RemovesDeletedCellsAndMovesLaterOnes) {
    // Rows 3 and 4 deleted.
    EXPECT_EQ(print(shiftForDelete(*parse(GetParam().before), true, 3, 2)), GetParam().after);
}
INSTANTIATE_TEST_SUITE_P(Formula, DeleteRows,
                         ::testing::Values(ShiftCase{"A2+A5", "A2+A3"}, ShiftCase{"A3+1", "#REF!+1"},
                                           ShiftCase{"A4", "#REF!"}, ShiftCase{"SUM(A3:B4)", "SUM(#REF!)"},
                                           ShiftCase{"SUM(A1:A10)", "SUM(A1:A8)"},
                                           ShiftCase{"SUM(A4:A9)", "SUM(A3:A7)"}, ShiftCase{"SUM(A1:A3)", "SUM(A1:A2)"},
                                           ShiftCase{"SUM($A$6:A7)", "SUM($A$4:A5)"}, ShiftCase{"SUM(A:B)", "SUM(A:B)"},
                                           ShiftCase{"SUM(3:4)", "SUM(#REF!)"}));

TEST(ReferenceShift, ColumnsShiftLikeRows) {
    EXPECT_EQ(print(shiftForInsert(*parse("B1+C1+SUM(B:D)"), false, 3, 1)), "B1+D1+SUM(B:E)");
    EXPECT_EQ(print(shiftForDelete(*parse("B1+C1+SUM(B:D)+SUM(1:2)"), false, 2, 1)), "#REF!+B1+SUM(B:C)+SUM(1:2)");
}

TEST(ReferenceShift, InsertingPastTheLastRowDropsTheReference) {
    auto f = parse("A16777215");
    EXPECT_EQ(print(shiftForInsert(*f, true, 1, 5)), "#REF!");
}

TEST(ReferenceShift, CopyMovesRelativePartsOnly) {
    auto f = parse("A1+$A1+A$1+$A$1+SUM(A1:$B$2)");
    // Copied from J10 to L13: formulas print relative to their new cell.
    auto copied = shiftForCopy(*f, 2, 3);
    EXPECT_EQ(print(copied, {12, 13}), "C4+$A4+C$1+$A$1+SUM($B$2:C4)");
    // Relative references keep their offset from the formula's cell.
    EXPECT_EQ(printFormula(*copied, RefStyle::R1C1, {12, 13}), "R[-9]C[-9]+R[-9]C1+R1C[-9]+R1C1+SUM(R2C2:R[-9]C[-9])");
    EXPECT_EQ(print(shiftForCopy(*f, -1, 0), {9, 10}), "#REF!+$A1+#REF!+$A$1+SUM(#REF!)");
    EXPECT_EQ(print(shiftForCopy(*parse("SUM(A:A)+SUM(1:1)"), 1, 1), {11, 11}), "SUM(B:B)+SUM(2:2)");
}

TEST(ReferenceShift, UnchangedFormulaIsReturnedAsIs) {
    auto f = parse("SUM(A1:B2)+C1");
    EXPECT_EQ(shiftForInsert(*f, true, 50, 3), f);
    EXPECT_EQ(shiftForDelete(*f, false, 20, 1), f);
    EXPECT_EQ(shiftForCopy(*f, 0, 0), f);
    EXPECT_NE(shiftForInsert(*f, true, 1, 1), f);
    EXPECT_EQ(print(f), "SUM(A1:B2)+C1");  // the original is never modified
}

}  // namespace
}  // namespace sheet::test

namespace sheet::test {
namespace {

TEST(ReferenceShift, EvaluatingWithAnOffsetEqualsEvaluatingTheCopy) {
    FakeSheet sheet;
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 20; ++r) sheet.setNumber(c, r, c * 100 + r);
    const char* formulas[] = {"A1+$B2*C$3-$D$4",         "SUM(B2:C5)",  "SUM($A$1:B3)", "SUM(A:A)+SUM(2:2)",
                              "VLOOKUP(101,A1:C20,2,0)", "SUM(C2:$A$1)"};
    const std::pair<int32_t, int32_t> offsets[] = {{0, 0}, {1, 2}, {3, -1}, {-1, 0}, {0, -3}, {5, 5}};
    for (const char* text : formulas) {
        auto f = parse(text);
        for (auto [dc, dr] : offsets) {
            Value direct = evaluate(*f, sheet, dc, dr);
            Value copied = evaluate(*shiftForCopy(*f, dc, dr), sheet);
            EXPECT_EQ(show(direct), show(copied)) << text << " moved " << dc << "," << dr;
        }
    }
}

}  // namespace
}  // namespace sheet::test
