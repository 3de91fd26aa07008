// Kv_Spread: the right-button menu, Tab across locked cells and spans, and the F8 key, driven
// as a person would.
#include "spread_test_support.h"

namespace {

using SpreadInputTest = SpreadTest;

TEST_F(SpreadInputTest, MenuOfCopySeparatorInsertHasTwoCommandsInOrder) {
    openSheet(2, 2);
    sheet->setRowStrings(1, {"a1", "b1"});
    sheet->setRowStrings(2, {"a2", "b2"});
    ASSERT_TRUE(sheet->setPopupMenu({kMenuCopy, kMenuSeparator, kMenuInsertRow}));
    const POINT cell = spread_test::cellCenter(sheet->m_hWnd, 1, 2);
    clickCell(1, 2);
    script.rightClick(kHostDialogId, kPlaceholderId, cell).chooseMenuItem(kSpreadMenuIds[0]);
    script.runModeless();
    ASSERT_EQ(win::popupMenuHistory().size(), 1u);
    const auto& items = win::popupMenuHistory()[0].items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].id, kSpreadMenuIds[0]);
    EXPECT_TRUE(items[1].separator);
    EXPECT_EQ(items[2].id, kSpreadMenuIds[1]);
    EXPECT_EQ(win::clipboardText(), "a2\r\n");
    EXPECT_EQ(sheet->getMaxRows(), 2);

    script.rightClick(kHostDialogId, kPlaceholderId, cell).chooseMenuItem(kSpreadMenuIds[1]);
    script.runModeless();
    EXPECT_EQ(sheet->getMaxRows(), 3);
    EXPECT_EQ(engine().dataAt(1, 2), "a2");  // a copy of the row it was inserted before
    EXPECT_EQ(engine().dataAt(1, 3), "a2");
}

TEST_F(SpreadInputTest, MenuWithoutCodesDoesNotOpen) {
    openSheet(1, 1);
    sheet->setPopupMenu({});
    script.rightClick(kHostDialogId, kPlaceholderId, spread_test::cellCenter(sheet->m_hWnd, 1, 1));
    script.runModeless();
    EXPECT_TRUE(win::popupMenuHistory().empty());
}

TEST_F(SpreadInputTest, TabOnTheLastUnlockedCellLeavesForward) {
    openSheet(3, 2);
    sheet->setLock(3, 2, true);
    clickCell(2, 2);
    int result = -1;
    ASSERT_TRUE(sheet->handleTab(VK_TAB, result));
    EXPECT_EQ(result, kTabLeaveForward);
    clickCell(1, 2);
    ASSERT_TRUE(sheet->handleTab(VK_TAB, result));
    EXPECT_EQ(result, kTabInside);
    EXPECT_FALSE(sheet->handleTab(VK_RETURN, result));
    EXPECT_EQ(result, kTabDefault);
}

TEST_F(SpreadInputTest, TabWithShiftOnTheFirstUnlockedCellLeavesBackward) {
    openSheet(2, 2);
    sheet->setLock(1, 1, true);
    clickCell(2, 1);
    win::input::keyDown(VK_SHIFT, win::input::Shift);
    win::pumpMessages();
    int result = -1;
    ASSERT_TRUE(sheet->handleTab(VK_TAB, result));
    EXPECT_EQ(result, kTabLeaveBackward);
    win::input::keyUp(VK_SHIFT);
    win::pumpMessages();
}

TEST_F(SpreadInputTest, TabIsNotHandledWithoutFocus) {
    openSheet(2, 2);
    clickCell(2, 2);
    win::input::clickCenter(GetDlgItem(host->m_hWnd, IDOK));
    win::pumpMessages();
    ASSERT_NE(GetFocus(), sheet->m_hWnd);
    int result = -1;
    EXPECT_FALSE(sheet->handleTab(VK_TAB, result));
    EXPECT_EQ(result, kTabDefault);
}

TEST_F(SpreadInputTest, SpansAreReachedThroughTheirAnchor) {
    openSheet(3, 2);
    sheet->AddCellSpan(2, 2, 2, 1);  // (2,2)-(3,2)
    int col = 0, row = 0;
    ASSERT_TRUE(sheet->findLastUnlocked(col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    sheet->setLock(2, 2, true);  // a locked anchor makes the whole span unreachable
    ASSERT_TRUE(sheet->findLastUnlocked(col, row));
    EXPECT_EQ(col, 1);
    sheet->setLock(1, 1, true);
    ASSERT_TRUE(sheet->findFirstUnlocked(col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 1);
    ASSERT_TRUE(sheet->focusEdge(false));
    EXPECT_EQ(GetFocus(), sheet->m_hWnd);
    EXPECT_EQ(engine().activeCol(), 1);
    EXPECT_EQ(engine().activeRow(), 2);
}

TEST_F(SpreadInputTest, F8TogglesBlockSelectOnlyWhenEnabled) {
    openSheet(1, 1);
    clickCell(1, 1);
    const bool before = engine().option(sheet::kOptBlockSelect);
    win::input::pressKey(VK_F8);
    win::pumpMessages();
    EXPECT_NE(engine().option(sheet::kOptBlockSelect), before);
    sheet->f8Enabled = false;
    win::input::pressKey(VK_F8);
    win::pumpMessages();
    EXPECT_NE(engine().option(sheet::kOptBlockSelect), before);
}

TEST_F(SpreadInputTest, ChangeNotificationOfTheCheckColumnMovesTheLockAndTheActiveCell) {
    openSheet(2, 2);
    sheet->setColCheckBox(1, false, false);
    sheet->setColStrings(1, {"1", "1"});
    ASSERT_TRUE(sheet->bindCheckLock(1, 2));
    EXPECT_FALSE(engine().locked(2, 2));
    clickCell(1, 2);  // the person clears the tick
    win::pumpMessages();
    ASSERT_EQ(engine().dataAt(1, 2), "0");
    EXPECT_TRUE(engine().locked(2, 2));
    EXPECT_EQ(engine().activeCol(), 2);
    EXPECT_EQ(engine().activeRow(), 2);
    clickCell(2, 1);  // not the check column: typing there moves nothing
    win::input::typeText("x");
    win::pumpMessages();
    EXPECT_EQ(engine().activeCol(), 2);
    EXPECT_EQ(engine().activeRow(), 1);
}

TEST_F(SpreadInputTest, TypingIntoACellCommitsOnEnter) {
    openSheet(2, 2);
    clickCell(2, 1);
    win::input::typeText("IPE 300");
    win::input::pressKey(VK_RETURN);
    win::pumpMessages();
    Kv_String text;
    ASSERT_TRUE(sheet->getCellText(2, 1, text, CellTextKind::Data));
    EXPECT_EQ(text, "IPE 300");
}

}  // namespace
