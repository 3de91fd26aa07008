// A person's input on a sheet window and what the parent hears of it.
#include <gtest/gtest.h>

#include <cstring>

#include "spread_parent.h"
#include "win/constants.h"

namespace {

TEST_F(SpreadTest, TypingAndEnterCommitAnEditAndReportIt) {
    SSSetEditEnterAction(sheetWnd, 2);  // down
    click(2, 3);
    ASSERT_EQ(count(SSM_CLICK), 1);
    for (const Heard& h : heard()) {
        if (h.msg != SSM_CLICK) continue;
        EXPECT_EQ(h.col, 2);
        EXPECT_EQ(h.row, 3);
    }
    type("42");
    EXPECT_TRUE(SSGetEditMode(sheetWnd));
    EXPECT_EQ(data(2, 3), "");
    key(VK_RETURN);
    EXPECT_EQ(data(2, 3), "42");
    EXPECT_TRUE(SSGetBool(sheetWnd, 30));
    EXPECT_EQ(count(WM_COMMAND, SSN_DATACHANGE), 1);
    ASSERT_EQ(count(SSM_EDITMODEOFF), 1);
    for (const Heard& h : heard()) {
        if (h.msg == SSM_EDITMODEOFF) {
            EXPECT_TRUE(h.changed);
        }
    }
    SS_COORD col, row;
    SSGetActiveCell(sheetWnd, &col, &row);
    EXPECT_EQ(row, 4);
}

TEST_F(SpreadTest, EscapeCancelsWithoutAChange) {
    SSSetData(sheetWnd, 1, 1, "old");
    click(1, 1);
    type("new");
    key(VK_ESCAPE);
    EXPECT_EQ(data(1, 1), "old");
    EXPECT_FALSE(SSGetBool(sheetWnd, 30));
    EXPECT_EQ(count(WM_COMMAND, SSN_DATACHANGE), 0);
    EXPECT_EQ(count(SSM_EDITMODEOFF), 1);
}

TEST_F(SpreadTest, TabCommitsAndMovesToTheNextCell) {
    click(1, 2);
    type("=3*4");
    key(VK_TAB);
    EXPECT_EQ(data(1, 2), "12");
    SS_COORD col, row;
    SSGetActiveCell(sheetWnd, &col, &row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(count(WM_COMMAND, SSN_DATACHANGE), 1);
}

TEST_F(SpreadTest, ArrowsStepOverLockedCellsWhenAsked) {
    SSSetLockRange(sheetWnd, 2, 1, 2, 8, TRUE);
    SSSetActiveCell(sheetWnd, 1, 1);
    SetFocus(sheetWnd);
    key(VK_RIGHT);
    SS_COORD col, row;
    SSGetActiveCell(sheetWnd, &col, &row);
    EXPECT_EQ(col, 2);
    SSSetBool(sheetWnd, 11, TRUE);
    SSSetActiveCell(sheetWnd, 1, 1);
    key(VK_RIGHT);
    SSGetActiveCell(sheetWnd, &col, &row);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(count(SSM_LEAVECELL), 2);
}

TEST_F(SpreadTest, LockedCellsRefuseEditingUnderProtection) {
    SSSetLock(sheetWnd, 1, 1, TRUE);
    SSSetBool(sheetWnd, 18, TRUE);
    click(1, 1);
    type("x");
    EXPECT_FALSE(SSGetEditMode(sheetWnd));
    EXPECT_EQ(data(1, 1), "");
}

TEST_F(SpreadTest, ClickingACheckBoxTicksItAndReportsTheChange) {
    SS_CELLTYPE ct;
    SSSetTypeCheckBox(sheetWnd, &ct, 768, "", nullptr, 6, nullptr, 6, nullptr, 6, nullptr, 6);
    SSSetCellTypeRange(sheetWnd, 3, 1, 3, 8, &ct);
    SSSetData(sheetWnd, 3, 2, "0");
    click(3, 2);
    EXPECT_EQ(data(3, 2), "1");
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 1);
    EXPECT_TRUE(SSGetBool(sheetWnd, 30));
    click(3, 2);
    EXPECT_EQ(data(3, 2), "0");
    key(' ');
    EXPECT_EQ(data(3, 2), "1");
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 3);
    EXPECT_FALSE(SSGetEditMode(sheetWnd));
}

TEST_F(SpreadTest, ChoosingFromAComboCellSetsTheItem) {
    SS_CELLTYPE ct;
    SSSetTypeComboBox(sheetWnd, &ct, 0, "alpha\tbeta\tgamma");
    SSSetCellType(sheetWnd, 4, 1, &ct);
    SSSetData(sheetWnd, 4, 1, "alpha");
    click(4, 1);
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_RETURN);
    EXPECT_EQ(data(4, 1), "gamma");
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 1);
}

TEST_F(SpreadTest, ButtonCellsAndRightClicksReachTheParent) {
    SS_CELLTYPE ct;
    SSSetTypeButton(sheetWnd, &ct, 0, "...");
    SSSetCellType(sheetWnd, 5, 3, &ct);
    click(5, 3);
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 1);
    EXPECT_FALSE(SSGetEditMode(sheetWnd));
    win::input::rightClick(sheetWnd, centre(2, 6));
    win::pumpMessages();
    ASSERT_EQ(count(SSM_RBUTTON), 1);
    for (const Heard& h : heard()) {
        if (h.msg == SSM_RBUTTON) {
            EXPECT_EQ(h.row, 6);
        }
    }
}

TEST_F(SpreadTest, EditorCaretSelectionCanBeSetAndRead) {
    SSSetData(sheetWnd, 1, 1, "abcdef");
    SSSetActiveCell(sheetWnd, 1, 1);
    ASSERT_TRUE(SSSetEditMode(sheetWnd, TRUE));
    ASSERT_TRUE(SSSetSel(sheetWnd, 1, 3));
    int start = 0, end = 0;
    ASSERT_TRUE(SSGetSel(sheetWnd, &start, &end));
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    SetFocus(sheetWnd);
    type("X");
    key(VK_RETURN);
    EXPECT_EQ(data(1, 1), "aXdef");
}

}  // namespace
