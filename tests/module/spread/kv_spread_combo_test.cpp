// Kv_Spread: drop-down cells by entry number, and numbers written in full.
#include "spread_test_support.h"

namespace {

using WrapperComboTest = SpreadTest;

TEST_F(WrapperComboTest, DropDownCellsAreReadAndWrittenByEntryNumber) {
    Kv_Spread& s = openSheet(2, 3);
    ASSERT_TRUE(s.setColCombo(2, Kv_StringArray{"Free", "Fixed", "Free"}, false));
    int index = 7;
    EXPECT_TRUE(s.getComboIndex(2, 1, index));
    EXPECT_EQ(index, -1);  // nothing chosen yet
    EXPECT_TRUE(s.setComboIndex(2, 1, 2));
    EXPECT_TRUE(s.getComboIndex(2, 1, index));
    EXPECT_EQ(index, 2);  // the second "Free", not the first
    EXPECT_EQ(engine().dataAt(2, 1), "Free");
    EXPECT_FALSE(s.setComboIndex(2, 1, 3));  // names no entry: the cell keeps its choice
    EXPECT_TRUE(s.getComboIndex(2, 1, index));
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(s.setComboIndex(2, 1, -1));
    EXPECT_EQ(engine().dataAt(2, 1), "");
    // A cell that is no drop-down refuses both.
    EXPECT_FALSE(s.setComboIndex(1, 1, 0));
    EXPECT_FALSE(s.getComboIndex(1, 1, index));
    EXPECT_EQ(index, -1);
}

TEST_F(WrapperComboTest, NumbersAreWrittenWithTwoDecimalsUnlessAskedInFull) {
    Kv_Spread& s = openSheet(2, 3);
    s.setCellDouble(1, 1, 0.126);
    EXPECT_EQ(engine().dataAt(1, 1), "0.13");
    s.setCellDouble(1, 2, 0.126, -1);
    EXPECT_EQ(engine().dataAt(1, 2), "0.126");
    s.setColDoubles(2, Kv_Array<double>{37.125, 1.0 / 3}, -1);
    EXPECT_EQ(engine().dataAt(2, 1), "37.125");
    double back = 0;
    ASSERT_TRUE(s.getCellDouble(2, 2, back));
    EXPECT_EQ(back, 1.0 / 3);
    s.setColDoubles(2, Kv_Array<double>{37.126});
    EXPECT_EQ(engine().dataAt(2, 1), "37.13");
}

}  // namespace
