#include <gtest/gtest.h>

#include <string>

#include "sheet/sheet.h"

namespace {

using sheet::Sheet;

// Each formula reads the row below, so computing A1 has to walk the whole chain first: a
// recursive evaluation would need a million stack frames.
TEST(Recalc, MillionDeepChainNeedsNoDeepStack) {
    constexpr int32_t n = 1'000'000;
    Sheet s;
    s.setOption(sheet::kOptAutoCalc, false);
    ASSERT_TRUE(s.setMaxRows(n));
    ASSERT_TRUE(s.setMaxCols(1));
    for (int32_t r = 1; r < n; ++r) s.setData({1, r}, "=A" + std::to_string(r + 1) + "+1");
    s.setData({1, n}, "1");
    s.recalc();
    EXPECT_EQ(s.valueText({1, 1}), std::to_string(n));
    EXPECT_EQ(s.dirtyCount(), 0u);
    EXPECT_EQ(s.stats().formulaPrograms, 1u);
    s.setData({1, n}, "2");
    s.recalcCell({1, 1});
    EXPECT_EQ(s.valueText({1, 1}), std::to_string(n + 1));
}

TEST(Recalc, LongCycleIsFoundWithoutRecursion) {
    constexpr int32_t n = 200'000;
    Sheet s;
    s.setOption(sheet::kOptAutoCalc, false);
    s.setMaxRows(n);
    for (int32_t r = 1; r < n; ++r) s.setData({1, r}, "=A" + std::to_string(r + 1));
    s.setData({1, n}, "=A1");
    s.setData({2, 1}, "5");
    s.setData({2, 2}, "=B1+1");
    s.recalc();
    EXPECT_EQ(s.valueText({1, 1}), "#CYCLE!");
    EXPECT_EQ(s.valueText({1, n / 2}), "#CYCLE!");
    EXPECT_EQ(s.valueText({2, 2}), "6");
}

TEST(Recalc, RunningSumsFollowAnEditOfTheFirstCell) {
    constexpr int32_t n = 5000;
    Sheet s;
    s.setOption(sheet::kOptAutoCalc, false);
    s.setMaxRows(n);
    for (int32_t r = 1; r <= n; ++r) {
        s.setData({1, r}, "1");
        s.setData({2, r}, "=SUM($A$1:A" + std::to_string(r) + ")");
    }
    s.recalc();
    EXPECT_EQ(s.valueText({2, n}), std::to_string(n));
    // A long running sum is one range listener, not an edge per cell it covers: only the
    // first few short ranges are edges (1 + 2 + ... + 32 of them).
    EXPECT_EQ(s.stats().dependencyEdges, 528u);
    EXPECT_EQ(s.stats().rangeListeners, static_cast<size_t>(n - 32));
    s.setData({1, 1}, "11");
    EXPECT_EQ(s.dirtyCount(), static_cast<size_t>(n));
    s.recalc();
    EXPECT_EQ(s.valueText({2, 1}), "11");
    EXPECT_EQ(s.valueText({2, n}), std::to_string(n + 10));
}

TEST(Recalc, EditOfALookupKeyReachesEveryLookup) {
    Sheet s;
    s.setOption(sheet::kOptAutoCalc, false);
    s.setMaxRows(1000);
    for (int32_t r = 1; r <= 1000; ++r) {
        s.setData({1, r}, "k" + std::to_string(r));
        s.setData({2, r}, std::to_string(r * 2));
        s.setData({4, r}, "k" + std::to_string(1001 - r));
        s.setData({5, r}, "=VLOOKUP(D" + std::to_string(r) + ",$A$1:$B$1000,2,0)");
    }
    s.recalc();
    EXPECT_EQ(s.valueText({5, 1}), "2000");
    EXPECT_EQ(s.valueText({5, 1000}), "2");
    s.setData({1, 1000}, "renamed");
    s.recalc();
    EXPECT_EQ(s.valueText({5, 1}), "#N/A");
    EXPECT_EQ(s.valueText({5, 999}), "4");
    s.setData({1, 7}, "k1000");
    s.recalc();
    EXPECT_EQ(s.valueText({5, 1}), "14");
}

TEST(Recalc, SwitchingAutomaticCalculationOnComputesWhatWasLeft) {
    Sheet s;
    s.setOption(sheet::kOptAutoCalc, false);
    s.setData({1, 1}, "3");
    s.setData({1, 2}, "=A1*A1");
    EXPECT_EQ(s.valueText({1, 2}), "");
    s.setOption(sheet::kOptAutoCalc, true);
    EXPECT_EQ(s.valueText({1, 2}), "9");
}

}  // namespace
