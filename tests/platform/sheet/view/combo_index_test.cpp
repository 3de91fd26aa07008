// Drop-down cells by entry number: what a person chooses keeps its own number even when two
// entries read the same.
#include <gtest/gtest.h>

#include <cstring>

#include "spread_parent.h"
#include "win/constants.h"
#include "win/messages.h"

namespace {

class ComboIndexTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        SS_CELLTYPE ct;
        SSSetTypeComboBox(sheetWnd, &ct, 0, "Free\tFixed\tFree\tSliding");
        SSSetCellType(sheetWnd, 2, 1, &ct);
    }
    LRESULT index() { return SSComboBoxSendMessage(sheetWnd, 2, 1, CB_GETCURSEL, 0, 0); }
};

TEST_F(ComboIndexTest, APersonsChoiceOfARepeatedTextKeepsItsOwnNumber) {
    click(2, 1);
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_RETURN);
    EXPECT_EQ(data(2, 1), "Free");
    EXPECT_EQ(index(), 2);
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 1);

    // Opening the list again starts on the chosen entry: Up goes to "Fixed", not past the top.
    EXPECT_EQ(SSComboBoxSendMessage(sheetWnd, 2, 1, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    click(2, 1);
    EXPECT_EQ(SSComboBoxSendMessage(sheetWnd, 2, 1, CB_GETDROPPEDSTATE, 0, 0), TRUE);
    key(VK_UP);
    key(VK_RETURN);
    EXPECT_EQ(index(), 1);
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 2);
}

TEST_F(ComboIndexTest, ChoosingTheOtherEntryOfTheSameTextIsAChange) {
    ASSERT_EQ(SSComboBoxSendMessage(sheetWnd, 2, 1, CB_SETCURSEL, 0, 0), 0);
    click(2, 1);
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_RETURN);
    EXPECT_EQ(index(), 2);
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 1);
}

TEST_F(ComboIndexTest, WritingByNumberAndByText) {
    EXPECT_EQ(SSComboBoxSendMessage(sheetWnd, 2, 1, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(index(), CB_ERR);  // empty: no entry
    EXPECT_EQ(SSComboBoxSendMessage(sheetWnd, 2, 1, CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(data(2, 1), "Free");
    EXPECT_EQ(index(), 2);
    // Data set as text reads as the first entry of that text; a text that is no entry as none.
    SSSetData(sheetWnd, 2, 1, "Free");
    EXPECT_EQ(index(), 0);
    SSSetData(sheetWnd, 2, 1, "Rolling");
    EXPECT_EQ(index(), CB_ERR);
    // A number that names no entry is refused and leaves the cell; -1 empties it.
    EXPECT_EQ(SSComboBoxSendMessage(sheetWnd, 2, 1, CB_SETCURSEL, 4, 0), CB_ERR);
    EXPECT_EQ(data(2, 1), "Rolling");
    EXPECT_EQ(SSComboBoxSendMessage(sheetWnd, 2, 1, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), -1);
    EXPECT_EQ(data(2, 1), "");
    // A cell that is no combo cell answers CB_ERR.
    EXPECT_EQ(SSComboBoxSendMessage(sheetWnd, 1, 1, CB_GETCOUNT, 0, 0), CB_ERR);
}

TEST_F(ComboIndexTest, ALetterStepsFromTheChosenEntryOfARepeatedText) {
    SSComboBoxSendMessage(sheetWnd, 2, 1, CB_SETCURSEL, 2, 0);
    click(2, 1);
    key(VK_ESCAPE);  // the list closes; the letter acts on the cell
    type("f");       // the next entry after 2 that begins with F, wrapping: entry 0
    EXPECT_EQ(index(), 0);
    EXPECT_EQ(count(WM_COMMAND, SSN_CELLCHANGE), 1);
}

TEST_F(ComboIndexTest, NumberEntriesStillReadAsNumbersInFormulas) {
    SS_CELLTYPE ct;
    SSSetTypeComboBox(sheetWnd, &ct, 0, "10\t20\t10");
    SSSetCellType(sheetWnd, 3, 1, &ct);
    SSSetData(sheetWnd, 4, 1, "=C1*2");
    SSComboBoxSendMessage(sheetWnd, 3, 1, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(data(4, 1), "40");
    SSComboBoxSendMessage(sheetWnd, 3, 1, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(data(4, 1), "20");
    // The later "10" is told apart from the first.
    SSComboBoxSendMessage(sheetWnd, 3, 1, CB_SETCURSEL, 2, 0);
    EXPECT_EQ(data(3, 1), "10");
    EXPECT_EQ(SSComboBoxSendMessage(sheetWnd, 3, 1, CB_GETCURSEL, 0, 0), 2);
}

}  // namespace
