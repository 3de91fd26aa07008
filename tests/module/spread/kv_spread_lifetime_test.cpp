// A sheet outlives its dialog's window only as an object: every operation is refused then.
// And its find dialog stays reachable above the dialog while it searches.
#include "spread/find_replace_dlg.h"
#include "spread/spread_ids.h"
#include "spread_test_support.h"

namespace {

TEST_F(SpreadTest, EveryOperationIsRefusedOnceTheDialogsWindowIsDestroyed) {
    openSheet(3, 3);
    ASSERT_TRUE(sheet->setCellText(1, 1, "beam"));
    ASSERT_TRUE(sheet->isAttached());
    host->DestroyWindow();

    EXPECT_FALSE(sheet->isAttached());
    Kv_Array<Kv_StringArray> rows;
    EXPECT_FALSE(sheet->getAllRows(rows));
    EXPECT_FALSE(sheet->openFind(false));
    EXPECT_EQ(sheet->findReplaceDialog(), nullptr);
    EXPECT_FALSE(sheet->showFindDialog());
    EXPECT_FALSE(sheet->hideFindDialog());
    EXPECT_EQ(sheet->getMaxRows(), -1);
    EXPECT_EQ(sheet->getMaxCols(), -1);
    EXPECT_FALSE(sheet->setDefaults(0));
    EXPECT_FALSE(sheet->setMaxRows(5));
    EXPECT_FALSE(sheet->setCellText(1, 1, "x"));
    Kv_String text = "kept";
    EXPECT_FALSE(sheet->getCellText(1, 1, text));
    Kv_StringArray strings;
    EXPECT_FALSE(sheet->getRowStrings(1, strings));
    EXPECT_FALSE(sheet->insertRow(1, false, false));
    EXPECT_FALSE(sheet->deleteRow(1));
    EXPECT_FALSE(sheet->swapRows(1, 1, 2));
    EXPECT_FALSE(sheet->selectRow(1));
    EXPECT_FALSE(sheet->markChanged());
    EXPECT_FALSE(sheet->setChecksInSel(true));
    EXPECT_FALSE(sheet->setColCombo(1, Kv_StringArray{"a"}, false));
    EXPECT_FALSE(sheet->refreshFonts());
    EXPECT_FALSE(sheet->applyResize());
    EXPECT_FALSE(sheet->autoFitAll());
    int col = 7, row = 7;
    EXPECT_FALSE(sheet->getActiveCellOrFirst(col, row));
    EXPECT_FALSE(sheet->findNext("beam", 1, 1, col, row));
    EXPECT_FALSE(sheet->replaceInCell(1, 1, "beam", "girder"));
    EXPECT_FALSE(sheet->setPopupMenu(Kv_Array<int>{kMenuCopy}));
}

TEST_F(SpreadTest, FindNextStaysReachableWhileEachHitActivatesTheSheetsDialog) {
    openSheet(3, 3);
    sheet->SetData(1, 1, "main beam");
    sheet->SetData(2, 3, "beam 2");
    clickCell(1, 1);
    win::input::pressKey(VK_F3);
    win::pumpMessages();
    HWND find = win::findOpenDialog(IDD_FINDREPLACE);
    ASSERT_NE(find, nullptr);
    // A person drags the find dialog over the sheet.
    RECT host, own;
    GetWindowRect(sheet->m_hWnd, &host);
    GetWindowRect(find, &own);
    MoveWindow(find, host.left + 20, host.top + 20, own.right - own.left, own.bottom - own.top, TRUE);
    auto active = [&] { return std::make_pair(engine().activeCol(), engine().activeRow()); };
    script.click(IDD_FINDREPLACE, IDC_FIND_TEXT).type(IDD_FINDREPLACE, "beam");
    script.click(IDD_FINDREPLACE, IDOK).inspect([&] { EXPECT_EQ(active(), std::make_pair(1, 1)); });
    script.click(IDD_FINDREPLACE, IDOK).inspect([&] { EXPECT_EQ(active(), std::make_pair(2, 3)); });
    script.runModeless();
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.notes().empty());
}

}  // namespace
