// Pressing Replace again: the search goes on behind the text just inserted, whether that text
// is longer than the hit (it holds the hit again) or shorter (the next hit follows at once).
#include "spread/find_replace_dlg.h"
#include "spread/spread_ids.h"
#include "spread_test_support.h"

namespace {

class ReplaceAgainTest : public SpreadTest {
protected:
    // The sheet with its find dialog open on the find and replace texts.
    void openReplacing(const std::string& find, const std::string& replaceBy) {
        clickCell(1, 1);
        win::input::pressKey(VK_F3);
        win::pumpMessages();
        ASSERT_NE(win::findOpenDialog(IDD_FINDREPLACE), nullptr);
        script.click(IDD_FINDREPLACE, IDC_FIND_TEXT).type(IDD_FINDREPLACE, find);
        script.click(IDD_FINDREPLACE, IDC_REPLACE_TEXT).type(IDD_FINDREPLACE, replaceBy);
    }
    void pressReplace(int times) {
        for (int i = 0; i < times; ++i) script.click(IDD_FINDREPLACE, IDC_FIND_REPLACE_BUTTON);
    }
};

TEST_F(ReplaceAgainTest, ALongerReplacementIsNotSearchedAgain) {
    openSheet(3, 2);
    for (int col = 1; col <= 3; ++col) sheet->SetData(col, 1, "ab");
    openReplacing("ab", "abab");
    pressReplace(3);
    script.runModeless();
    for (int col = 1; col <= 3; ++col) EXPECT_EQ(engine().dataAt(col, 1), "abab") << "column " << col;
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

TEST_F(ReplaceAgainTest, AShorterReplacementDoesNotSkipTheNextHit) {
    openSheet(2, 2);
    sheet->SetData(1, 1, "abab");
    sheet->SetData(2, 2, "ab");
    openReplacing("ab", "x");
    pressReplace(3);
    script.runModeless();
    EXPECT_EQ(engine().dataAt(1, 1), "xx");
    EXPECT_EQ(engine().dataAt(2, 2), "x");
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

}  // namespace
