// The find/replace dialog of a sheet: opened with F3, searching with wrap-around only after
// the person agrees, replacing, and replace all with its count.
#include "core/kv_texts.h"
#include "spread/find_replace_dlg.h"
#include "spread/spread_ids.h"
#include "spread_test_support.h"

namespace {

class FindReplaceTest : public SpreadTest {
protected:
    // A 3 x 3 sheet with "beam" at (1, 1) and (2, 3), focused, and its find dialog open.  The
    // program fills the sheet, as a dialog fills its table; the person clicks and presses F3.
    void openWithFindDialog() {
        openSheet(3, 3);
        sheet->SetData(1, 1, "main beam");
        sheet->SetData(2, 3, "beam 2");
        sheet->SetData(3, 2, "column");
        clickCell(1, 1);
        win::input::pressKey(VK_F3);
        win::pumpMessages();
        ASSERT_NE(win::findOpenDialog(IDD_FINDREPLACE), nullptr);
    }
    std::pair<int, int> active() { return {engine().activeCol(), engine().activeRow()}; }
    size_t questions() {
        size_t count = 0;
        for (const auto& box : win::messageBoxHistory()) count += box.icon == "question";
        return count;
    }
};

TEST_F(FindReplaceTest, FirstF3OnlyOpensTheTopmostDialogAndSetsBlockSelect) {
    openWithFindDialog();
    HWND dialog = win::findOpenDialog(IDD_FINDREPLACE);
    EXPECT_TRUE(win::describeWindow(dialog).visible);
    EXPECT_TRUE(win::describeWindow(dialog).exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(win::describeWindow(dialog).text, dialString(1136).str());
    EXPECT_TRUE(engine().option(sheet::kOptBlockSelect));
    EXPECT_EQ(active(), std::make_pair(1, 1));
    EXPECT_FALSE(engine().editing());
    script.close(IDD_FINDREPLACE);
    script.runModeless();
    EXPECT_EQ(win::findOpenDialog(IDD_FINDREPLACE), nullptr);
    EXPECT_FALSE(engine().option(sheet::kOptBlockSelect));  // was off before the dialog opened
}

TEST_F(FindReplaceTest, FindNextWrapsToTheStartOnlyAfterYes) {
    openWithFindDialog();
    script.click(IDD_FINDREPLACE, IDC_FIND_TEXT).type(IDD_FINDREPLACE, "beam");
    script.click(IDD_FINDREPLACE, IDOK).inspect([&] {
        EXPECT_EQ(active(), std::make_pair(1, 1));  // the search starts with the active cell
        EXPECT_EQ(engine().selStart(), 5);
        EXPECT_EQ(engine().selEnd(), 9);
    });
    script.click(IDD_FINDREPLACE, IDOK).inspect([&] {
        EXPECT_EQ(active(), std::make_pair(2, 3));
        EXPECT_EQ(engine().selStart(), 0);
    });
    script.click(IDD_FINDREPLACE, IDOK).answerMessageBox(IDNO).inspect([&] {
        EXPECT_EQ(questions(), 1u);
        EXPECT_EQ(active(), std::make_pair(2, 3));
    });
    script.click(IDD_FINDREPLACE, IDOK).answerMessageBox(IDYES).inspect([&] {
        EXPECT_EQ(questions(), 2u);
        EXPECT_EQ(active(), std::make_pair(1, 1));
    });
    script.runModeless();
    EXPECT_TRUE(script.finished());
}

TEST_F(FindReplaceTest, NothingFoundEvenFromTheStartSaysSo) {
    openWithFindDialog();
    script.click(IDD_FINDREPLACE, IDC_FIND_TEXT).type(IDD_FINDREPLACE, "girder");
    script.click(IDD_FINDREPLACE, IDOK).answerMessageBox(IDYES).answerMessageBox(IDOK);
    script.runModeless();
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    EXPECT_EQ(win::messageBoxHistory()[1].text, string(1145).str());
}

TEST_F(FindReplaceTest, ReplaceChangesTheNextHitAndMarksTheSheet) {
    openWithFindDialog();
    ASSERT_FALSE(engine().option(sheet::kOptChanged));  // filling the sheet is no change of the person's
    script.click(IDD_FINDREPLACE, IDC_FIND_TEXT).type(IDD_FINDREPLACE, "beam");
    script.click(IDD_FINDREPLACE, IDC_REPLACE_TEXT).type(IDD_FINDREPLACE, "girder");
    script.click(IDD_FINDREPLACE, IDC_FIND_REPLACE_BUTTON);
    script.runModeless();
    EXPECT_EQ(engine().dataAt(1, 1), "main girder");
    EXPECT_EQ(engine().dataAt(2, 3), "beam 2");
    EXPECT_TRUE(engine().option(sheet::kOptChanged));
    EXPECT_TRUE(engine().editing());
    EXPECT_EQ(engine().selStart(), 11);
}

TEST_F(FindReplaceTest, ReplaceAllCountsTheChangedCells) {
    openWithFindDialog();
    script.click(IDD_FINDREPLACE, IDC_FIND_TEXT).type(IDD_FINDREPLACE, "beam");
    script.click(IDD_FINDREPLACE, IDC_REPLACE_TEXT).type(IDD_FINDREPLACE, "beams");
    script.click(IDD_FINDREPLACE, IDC_FIND_REPLACE_ALL).answerMessageBox(IDOK);
    script.runModeless();
    EXPECT_EQ(engine().dataAt(1, 1), "main beams");
    EXPECT_EQ(engine().dataAt(2, 3), "beams 2");
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(win::messageBoxHistory()[0].text, (string(1147) + " 2 " + string(1148)).str());
}

TEST_F(FindReplaceTest, ReplaceAllWithoutHitsReportsZero) {
    openWithFindDialog();
    script.click(IDD_FINDREPLACE, IDC_FIND_TEXT).type(IDD_FINDREPLACE, "truss");
    script.click(IDD_FINDREPLACE, IDC_FIND_REPLACE_ALL).answerMessageBox(IDOK);
    script.runModeless();
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(win::messageBoxHistory()[0].text, (string(1147) + " 0 " + string(1148)).str());
    EXPECT_EQ(engine().dataAt(1, 1), "main beam");
}

TEST_F(FindReplaceTest, SecondF3InTheSheetSearchesAgain) {
    openWithFindDialog();
    script.click(IDD_FINDREPLACE, IDC_FIND_TEXT).type(IDD_FINDREPLACE, "column");
    script.runModeless();
    clickCell(1, 1);
    win::input::pressKey(VK_F3);
    win::pumpMessages();
    EXPECT_EQ(active(), std::make_pair(3, 2));
}

TEST_F(FindReplaceTest, TheSheetDestroysItsFindDialog) {
    openWithFindDialog();
    sheet.reset();
    EXPECT_EQ(win::findOpenDialog(IDD_FINDREPLACE), nullptr);
}

}  // namespace
