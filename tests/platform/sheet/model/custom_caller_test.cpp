// Custom functions told who calls them, and arguments that name cells instead of reading them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/formula/custom_function.h"
#include "sheet/sheet.h"

namespace {

using sheet::Sheet;
using sheet::SSCaller;
using sheet::SSValue;

std::vector<SSCaller>& calls() {
    static std::vector<SSCaller> seen;
    return seen;
}

// ADDRESSOF(cell) gives 100 * column + row of the cell it names; ADDRESSOF(cell, number) the
// same plus the number.
bool addressOf(const SSCaller* caller, SSValue* result, SSValue* args, int16_t count) {
    calls().push_back(*caller);
    if (args[0].type != sheet::kSSValueCell) return false;
    int32_t value = args[0].cell.col * 100 + args[0].cell.row;
    if (count == 2) value += args[1].longValue;
    result->status = sheet::kSSValueOk;
    result->type = sheet::kSSValueLong;
    result->longValue = value;
    return true;
}

uint32_t firstArgumentNamed(int) { return 1u; }

int token = 0;  // what the sheet's owner passes as the calling sheet

sheet::FunctionDef addressFunction(bool naming) {
    return sheet::makeCustomFunction("ADDRESSOF", 1, 2, &addressOf, sheet::kSSCustomWantsCellRef, &token,
                                     naming ? &firstArgumentNamed : nullptr);
}

class CustomCaller : public ::testing::Test {
protected:
    void SetUp() override { calls().clear(); }
    Sheet s;
};

TEST_F(CustomCaller, AFunctionLearnsTheSheetAndCellThatCallIt) {
    ASSERT_TRUE(s.addFunction(addressFunction(true)));
    s.setData({3, 7}, "=ADDRESSOF(A1)");
    EXPECT_EQ(s.valueText({3, 7}), "101");
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_EQ(calls()[0].sheet, &token);
    EXPECT_EQ(calls()[0].col, 3);
    EXPECT_EQ(calls()[0].row, 7);
}

TEST_F(CustomCaller, ANamedCellIsNoDependencyOfTheCaller) {
    ASSERT_TRUE(s.addFunction(addressFunction(true)));
    // Naming its own address is no cycle.
    s.setData({2, 2}, "=ADDRESSOF(B2)");
    EXPECT_EQ(s.valueText({2, 2}), "202");
    // Changing the named cell does not make the caller compute again; a read argument does.
    s.setData({4, 1}, "=ADDRESSOF(A1,A2*1)");
    calls().clear();
    s.setData({1, 1}, "9");
    EXPECT_TRUE(calls().empty());
    s.setData({1, 2}, "5");
    EXPECT_EQ(calls().size(), 1u);
    EXPECT_EQ(s.valueText({4, 1}), "106");
    // A read argument that is the caller itself is still a cycle.
    s.setData({5, 5}, "=ADDRESSOF(A1,E5*1)");
    EXPECT_EQ(s.valueText({5, 5}), "#CYCLE!");
}

TEST_F(CustomCaller, OnlyBareCellArgumentsAreNamed) {
    ASSERT_TRUE(s.addFunction(addressFunction(true)));
    // An expression around the reference reads the cell: B3 depends on itself.
    s.setData({2, 3}, "=ADDRESSOF((B3))");
    EXPECT_EQ(s.valueText({2, 3}), "203");
    s.setData({2, 4}, "=ADDRESSOF(B4+0)");
    EXPECT_EQ(s.valueText({2, 4}), "#CYCLE!");
}

TEST_F(CustomCaller, RegisteringTheFunctionLaterRecordsTheDependenciesAgain) {
    s.setOption(sheet::kOptAutoCalc, false);
    // Before the function is known, B2 reads itself as any reference would.
    s.setData({2, 2}, "=ADDRESSOF(B2)");
    s.recalc();
    EXPECT_EQ(s.valueText({2, 2}), "#CYCLE!");
    ASSERT_TRUE(s.addFunction(addressFunction(true)));
    s.recalc();
    EXPECT_EQ(s.valueText({2, 2}), "202");
    // Registered again without naming, and with the customs removed, the reference is read.
    ASSERT_TRUE(s.addFunction(addressFunction(false)));
    s.recalc();
    EXPECT_EQ(s.valueText({2, 2}), "#CYCLE!");
    ASSERT_TRUE(s.addFunction(addressFunction(true)));
    s.recalc();
    EXPECT_EQ(s.valueText({2, 2}), "202");
    s.removeCustomFunctions();
    s.setData({1, 1}, "=B2");  // the graph must still be sound: B2 computes once more
    s.recalcAll();
    EXPECT_EQ(s.valueText({2, 2}), "#CYCLE!");
}

TEST_F(CustomCaller, AResetSheetKeepsTheFunctionsThatNameCells) {
    ASSERT_TRUE(s.addFunction(addressFunction(true)));
    s.reset();  // keeps its custom functions, and so the rule of what they name
    s.setData({2, 2}, "=ADDRESSOF(B2)");
    EXPECT_EQ(s.valueText({2, 2}), "202");
}

TEST_F(CustomCaller, ThePlainCallbackShapeStillWorks) {
    ASSERT_TRUE(s.addFunction(sheet::makeCustomFunction(
        "SEVEN", 0, 0,
        [](SSValue* result, SSValue*, int16_t) {
            result->status = sheet::kSSValueOk;
            result->type = sheet::kSSValueLong;
            result->longValue = 7;
            return true;
        },
        0)));
    s.setData({1, 1}, "=SEVEN()");
    EXPECT_EQ(s.valueText({1, 1}), "7");
}

}  // namespace
