// What a person's typing and pasting may put into cells, and what happens to an open editor
// when rows and columns move under it.
#include <gtest/gtest.h>

#include <cstring>

#include "spread_parent.h"
#include "win/constants.h"

namespace {

TEST_F(SpreadTest, InsertingOrDeletingRowsWhileTypingKeepsTheTextWithItsCell) {
    SSSetData(sheetWnd, 2, 3, "old");
    SSSetData(sheetWnd, 2, 4, "below");
    click(2, 3);
    type("typed");
    ASSERT_TRUE(SSGetEditMode(sheetWnd));
    // A row inserted above the cell being edited: the typed text is in the cell, which moved.
    ASSERT_TRUE(SSInsRow(sheetWnd, 2));
    EXPECT_FALSE(SSGetEditMode(sheetWnd));
    EXPECT_EQ(data(2, 4), "typed");
    EXPECT_EQ(data(2, 5), "below");
    EXPECT_EQ(data(2, 3), "");
    // Later keys do not write into whichever cell is now at the editor's old place.
    type("x");
    key(VK_ESCAPE);
    EXPECT_EQ(data(2, 3), "");

    click(2, 5);
    type("again");
    ASSERT_TRUE(SSDelRow(sheetWnd, 1));
    EXPECT_EQ(data(2, 4), "again");
    EXPECT_EQ(data(2, 3), "typed");

    click(3, 1);
    type("col");
    ASSERT_TRUE(SSInsCol(sheetWnd, 1));
    EXPECT_EQ(data(4, 1), "col");
    click(4, 2);
    type("gone");
    ASSERT_TRUE(SSDelCol(sheetWnd, 1));
    EXPECT_EQ(data(3, 2), "gone");
    EXPECT_FALSE(SSGetEditMode(sheetWnd));
}

TEST_F(SpreadTest, CopyAndPasteKeepTextsWithLineBreaksTabsAndQuotesWhole) {
    SSSetData(sheetWnd, 1, 1, "two\r\nlines");
    SSSetData(sheetWnd, 2, 1, "a\tb");
    SSSetData(sheetWnd, 1, 2, "\"quoted\" start");
    SSSetData(sheetWnd, 2, 2, "plain \"inner\"");
    SSSetData(sheetWnd, 3, 3, "untouched");
    SS_CELLCOORD first{1, 1}, last{2, 2};
    ASSERT_TRUE(SSSetSelectBlock(sheetWnd, &first, &last));
    ASSERT_TRUE(SSClipboardCopy(sheetWnd));
    EXPECT_EQ(win::clipboardText(), "\"two\r\nlines\"\t\"a\tb\"\r\n\"\"\"quoted\"\" start\"\tplain \"inner\"\r\n");

    SSSetActiveCell(sheetWnd, 2, 3);
    ASSERT_TRUE(SSClipboardPaste(sheetWnd));
    EXPECT_EQ(data(2, 3), "two\r\nlines");
    EXPECT_EQ(data(3, 3), "a\tb");
    EXPECT_EQ(data(2, 4), "\"quoted\" start");
    EXPECT_EQ(data(3, 4), "plain \"inner\"");
    EXPECT_EQ(data(2, 5), "");
    EXPECT_EQ(data(4, 3), "");
}

TEST_F(SpreadTest, PasteReadsTextFromOtherProgramsAndStopsAtTheSheetsEdge) {
    win::setClipboardText("x\t\"unclosed\r\ny\t\t\"\"\r\n");
    SSSetActiveCell(sheetWnd, 4, 7);
    ASSERT_TRUE(SSClipboardPaste(sheetWnd));
    EXPECT_EQ(data(4, 7), "x");
    EXPECT_EQ(data(5, 7), "\"unclosed");
    EXPECT_EQ(data(4, 8), "y");
    EXPECT_EQ(data(5, 8), "");
}

TEST_F(SpreadTest, ADropDownListCellKeepsToItsItemsAndTypingSelectsByFirstLetter) {
    SS_CELLTYPE ct;
    SSSetTypeComboBox(sheetWnd, &ct, 0, "Red\tGreen\tBlue\tGrey");
    SSSetCellType(sheetWnd, 2, 2, &ct);
    SSSetData(sheetWnd, 2, 2, "Red");
    SSSetActiveCell(sheetWnd, 2, 2);
    SetFocus(sheetWnd);
    type("Violet");
    EXPECT_FALSE(SSGetEditMode(sheetWnd));
    EXPECT_EQ(data(2, 2), "Red");  // no item starts with v, i, o, l, e or t
    type("g");
    EXPECT_EQ(data(2, 2), "Green");
    type("g");
    EXPECT_EQ(data(2, 2), "Grey");
    type("B");
    EXPECT_EQ(data(2, 2), "Blue");
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 3);
    key(VK_F2);
    EXPECT_FALSE(SSGetEditMode(sheetWnd));
    // Pasting a text that is no item leaves the cell as it was.
    win::setClipboardText("Violet");
    SSClipboardPaste(sheetWnd);
    EXPECT_EQ(data(2, 2), "Blue");

    // An editable combo cell takes typed text.
    SSSetTypeComboBox(sheetWnd, &ct, 2, "Red\tGreen");
    SSSetCellType(sheetWnd, 3, 2, &ct);
    click(3, 2);
    key(VK_ESCAPE);
    type("Violet");
    key(VK_RETURN);
    EXPECT_EQ(data(3, 2), "Violet");
}

TEST_F(SpreadTest, NumberCellsRefuseTextAndValuesOutsideTheirLimits) {
    SS_CELLTYPE number, integer;
    _SSSetTypeNumber(sheetWnd, &number, 0, 2, 0.0, 100.0, FALSE);
    SSSetCellType(sheetWnd, 1, 1, &number);
    SSSetTypeInteger(sheetWnd, &integer, -5, 5);
    SSSetCellType(sheetWnd, 1, 2, &integer);
    SSSetData(sheetWnd, 1, 1, "12");
    click(1, 1);
    type("abc");
    key(VK_RETURN);
    EXPECT_EQ(data(1, 1), "12");
    click(1, 1);
    type("150");
    key(VK_RETURN);
    EXPECT_EQ(data(1, 1), "12");
    EXPECT_EQ(count(WM_COMMAND, SSN_DATACHANGE), 0);
    EXPECT_FALSE(SSGetBool(sheetWnd, 30));
    click(1, 1);
    type("99.5");
    key(VK_RETURN);
    EXPECT_EQ(data(1, 1), "99.5");
    EXPECT_EQ(count(WM_COMMAND, SSN_DATACHANGE), 1);

    click(1, 2);
    type("2.5");
    key(VK_TAB);
    EXPECT_EQ(data(1, 2), "");
    click(1, 2);
    type("-5");
    key(VK_TAB);
    EXPECT_EQ(data(1, 2), "-5");
    // Calls are not judged: a caller may store what it likes.
    EXPECT_TRUE(SSSetData(sheetWnd, 1, 2, "abc"));
    EXPECT_EQ(data(1, 2), "abc");
}

TEST_F(SpreadTest, SelectBlocksAreClippedToTheSheetAndCopyStaysBounded) {
    SSSetData(sheetWnd, 5, 8, "corner");
    SS_CELLCOORD first{4, 7}, last{2000000000, 2000000000};
    ASSERT_TRUE(SSSetSelectBlock(sheetWnd, &first, &last));
    SS_CELLCOORD a, b;
    ASSERT_TRUE(SSGetSelectBlock(sheetWnd, &a, &b));
    EXPECT_EQ(b.Col, 5);
    EXPECT_EQ(b.Row, 8);
    ASSERT_TRUE(SSClipboardCopy(sheetWnd));
    EXPECT_EQ(win::clipboardText(), "\t\r\n\tcorner\r\n");
    // A block wholly outside the sheet is refused and the selection stays.
    SS_CELLCOORD far1{100, 100}, far2{200, 200};
    EXPECT_FALSE(SSSetSelectBlock(sheetWnd, &far1, &far2));
    ASSERT_TRUE(SSGetSelectBlock(sheetWnd, &a, &b));
    EXPECT_EQ(a.Col, 4);
    // A sheet that shrinks after the selection copies only what is left.
    SSSetMaxRows(sheetWnd, 7);
    ASSERT_TRUE(SSClipboardCopy(sheetWnd));
    EXPECT_EQ(win::clipboardText().find("corner"), std::string::npos);
    EXPECT_LE(win::clipboardText().size(), 3u);
}

}  // namespace
