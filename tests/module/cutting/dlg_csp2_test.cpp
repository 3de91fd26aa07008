// The cutting-stock dialog through StartDlgCSP2, as a person uses it.
#include <gtest/gtest.h>

#include <cstring>

#include "core/export_start_dlg_info.h"
#include "core/kv_texts.h"
#include "cutting/cutting_ids.h"
#include "cutting/dlg_csp2.h"
#include "cutting_dialog_test.h"
#include "cutting_test_support.h"
#include "frame/module_frame.h"
#include "host/command_line.h"
#include "host/system_registry.h"
#include "frame/text_entry_ids.h"
#include "sheet/ss_api.h"
#include "win/input.h"
#include "win/readback.h"
#include "win/registry.h"
#include "win/system.h"
#include "win/winuser.h"

namespace {

using cutting_test::CuttingDialogTest;
using cutting_test::LibraryFolder;
namespace fs = std::filesystem;

TEST_F(CuttingDialogTest, OpensOnTheFirstSetAndCancelKeepsTheRecord) {
    typeIntoCell(1, 1, 1, "999");
    script.inspect([&] {
        EXPECT_EQ(win::describeWindow(dialog()).text, dialString(620).str());
        const auto list = control(IDC_CSP2_SET_LIST);
        EXPECT_EQ(list.items, (std::vector<std::string>{"Beams", "Tubes"}));
        EXPECT_EQ(list.selection, 0);
        EXPECT_EQ(cell(0, 1, SS_HEADER), "Profile");
        EXPECT_EQ(cell(1, 3, 1), "HEA 200");
        EXPECT_EQ(rowCount(2), 1);
        EXPECT_FALSE(control(IDC_CSP2_ASK_NAMES).visible);
        EXPECT_EQ(control(IDC_CSP2_MAIN).text, dialString(629).str());
    });
    script.click(IDD_CSP2, IDCANCEL);
    const DlgCSP2Data before = data;
    EXPECT_FALSE(StartDlgCSP2(data));
    EXPECT_EQ(data, before);
}

TEST_F(CuttingDialogTest, SwitchingSetsKeepsEachSetsEdits) {
    typeIntoCell(1, 1, 1, "11000");
    script.choose(IDD_CSP2, IDC_CSP2_SET_LIST, "Tubes").inspect([] { EXPECT_EQ(cell(1, 1, 1), "6000"); });
    typeIntoCell(0, 2, 1, "1750");
    script.choose(IDD_CSP2, IDC_CSP2_SET_LIST, "Beams").inspect([] {
        EXPECT_EQ(cell(1, 1, 1), "11000");
        EXPECT_EQ(cell(0, 1, 1), "HEA 200");
    });
    script.click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[1].rowsOfSet(1), (Kv_Array<Kv_StringArray>{{"11000", "10", "HEA 200"}}));
    EXPECT_EQ(data.tables[1].rowsOfSet(2), (Kv_Array<Kv_StringArray>{{"6000", "5", "RHS 100"}}));
    EXPECT_EQ(data.tables[0].rowsOfSet(2), (Kv_Array<Kv_StringArray>{{"RHS 100", "1750", "2"}}));
}

TEST_F(CuttingDialogTest, AnAddedEmptyRowIsSavedAsTwoSeparatorsAndCancelKeepsTheFile) {
    clickCell(1, 1, 1);
    script.click(IDD_CSP2, IDC_CSP2_ADD_ROW_1)
        .inspect([] {
            EXPECT_EQ(rowCount(1), 2);
            EXPECT_EQ(cell(1, 1, 2), "");
        })
        .click(IDD_CSP2, IDC_CSP2_SAVE_STOCK)
        .answerFileDialog("Mine")
        .click(IDD_CSP2, IDCANCEL);
    const DlgCSP2Data before = data;
    EXPECT_FALSE(StartDlgCSP2(data));
    EXPECT_EQ(data, before);
    EXPECT_EQ(LibraryFolder::read(lib.setFolder("Beams") / "mine.shp"),
              "12000\xBF"
              "10\xBFHEA 200\r\n\xBF\xBF\r\n");
}

TEST_F(CuttingDialogTest, AddingARowToAnEmptySetGivesThreeEmptyCells) {
    script.choose(IDD_CSP2, IDC_CSP2_SET_LIST, "Tubes")
        .click(IDD_CSP2, IDC_CSP2_ADD_ROW_2)
        .click(IDD_CSP2, IDC_CSP2_ADD_ROW_2)
        .inspect([] { EXPECT_EQ(rowCount(2), 2); })
        .click(IDD_CSP2, IDC_CSP2_REMOVE_ROW_2)
        .click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[2].rowsOfSet(2), (Kv_Array<Kv_StringArray>{{"", "", ""}}));
    EXPECT_EQ(data.tables[2].rowsOfSet(1), (Kv_Array<Kv_StringArray>{{"12000", "80", "Mill"}}));
}

TEST_F(CuttingDialogTest, OpeningAStockFileReplacesOnlyTheSelectedSetsStockRows) {
    lib.write(lib.setFolder("Tubes") / "Stock3.shp",
              "8000\xBF"
              "7\xBFRHS 120\r\n4000\xBF"
              "1\r\n",
              10);
    script.choose(IDD_CSP2, IDC_CSP2_SET_LIST, "Tubes")
        .click(IDD_CSP2, IDC_CSP2_OPEN_STOCK)
        .answerFileDialog("Stock3.shp")
        .inspect([] {
            EXPECT_EQ(rowCount(1), 2);
            EXPECT_EQ(cell(1, 3, 1), "RHS 120");
            EXPECT_EQ(cell(1, 3, 2), "");
        })
        .click(IDD_CSP2, IDOK);
    const DlgCSP2Data before = data;
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[1].rowsOfSet(2), (Kv_Array<Kv_StringArray>{{"8000", "7", "RHS 120"}, {"4000", "1", ""}}));
    EXPECT_EQ(data.tables[1].rowsOfSet(1), before.tables[1].rowsOfSet(1));
    for (int table : {0, 2})
        for (int set : {1, 2}) EXPECT_EQ(data.tables[table].rowsOfSet(set), before.tables[table].rowsOfSet(set));
}

TEST_F(CuttingDialogTest, StockUpdateModeWritesANewStockFilePerSet) {
    data.stockUpdateMode = true;
    lib.write(lib.setFolder("Beams") / "Stock4.shp", "old\r\n", 100);
    script.inspect([] {
        for (int id : {IDC_CSP2_ADD_SET, IDC_CSP2_REMOVE_SET, IDC_CSP2_SHEET_0, IDC_CSP2_SHEET_2,
                       IDC_CSP2_OPEN_PURCHASE, IDC_CSP2_ADD_ROW_2})
            EXPECT_FALSE(control(id).enabled) << id;
        for (int id : {IDC_CSP2_SHEET_1, IDC_CSP2_OPEN_STOCK, IDC_CSP2_ADD_ROW_1, IDC_CSP2_SET_LIST})
            EXPECT_TRUE(control(id).enabled) << id;
        EXPECT_TRUE(control(IDC_CSP2_ASK_NAMES).visible);
        EXPECT_EQ(control(IDC_CSP2_ASK_NAMES).check, BST_UNCHECKED);
        EXPECT_EQ(control(IDC_CSP2_MAIN).text, dialString(628).str());
    });
    typeIntoCell(1, 2, 1, "9");
    script.click(IDD_CSP2, IDC_CSP2_MAIN)
        .inspect([&] {
            EXPECT_EQ(LibraryFolder::read(lib.setFolder("Beams") / "stock5.shp"),
                      "12000\xBF"
                      "9\xBFHEA 200\r\n");
            EXPECT_EQ(LibraryFolder::read(lib.setFolder("Tubes") / "stock1.shp"),
                      "6000\xBF"
                      "5\xBFRHS 100\r\n");
        })
        .click(IDD_CSP2, IDC_CSP2_ASK_NAMES)
        .click(IDD_CSP2, IDC_CSP2_MAIN)
        .cancelFileDialog()
        .answerFileDialog("Chosen")
        .click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_FALSE(fs::exists(lib.setFolder("Beams") / "stock6.shp"));
    EXPECT_TRUE(fs::exists(lib.setFolder("Tubes") / "chosen.shp"));
    EXPECT_FALSE(fs::exists(lib.setFolder("Tubes") / "stock2.shp"));
    EXPECT_TRUE(data.stockUpdateMode);
}

TEST_F(CuttingDialogTest, AddingASetKeepsTheEditsAndShowsItEmpty) {
    typeIntoCell(0, 1, 1, "IPE 300");
    script.click(IDD_CSP2, IDC_CSP2_ADD_SET)
        .type(IDD_TEXT_ENTRY, "Angles")
        .click(IDD_TEXT_ENTRY, IDOK)
        .inspect([] {
            const auto list = control(IDC_CSP2_SET_LIST);
            EXPECT_EQ(list.items.size(), 3u);
            EXPECT_EQ(list.selection, 2);
            for (int table : {0, 1, 2}) EXPECT_EQ(rowCount(table), 0);
            EXPECT_EQ(cell(1, 1, SS_HEADER), "Length");
        })
        .click(IDD_CSP2, IDC_CSP2_ADD_ROW_0)
        .click(IDD_CSP2, IDC_CSP2_ADD_SET)
        .click(IDD_TEXT_ENTRY, IDCANCEL)
        .choose(IDD_CSP2, IDC_CSP2_SET_LIST, "Tubes")
        .click(IDD_CSP2, IDC_CSP2_REMOVE_SET)
        .inspect([] {
            EXPECT_EQ(control(IDC_CSP2_SET_LIST).items, (std::vector<std::string>{"Beams", "Angles"}));
            EXPECT_EQ(control(IDC_CSP2_SET_LIST).selection, 1);
            EXPECT_EQ(rowCount(0), 1);
        })
        .click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.setIds, (Kv_Array<int>{1, 3}));
    EXPECT_EQ(data.setNames, (Kv_StringArray{"Beams", "Angles"}));
    EXPECT_EQ(data.tables[0].rowsOfSet(1), (Kv_Array<Kv_StringArray>{{"IPE 300", "3000", "4"}}));
    EXPECT_EQ(data.tables[0].rowsOfSet(3), (Kv_Array<Kv_StringArray>{{"", "", ""}}));
    EXPECT_TRUE(data.tables[0].rowsOfSet(2).isEmpty());
    EXPECT_TRUE(fs::exists(lib.path()) && !fs::exists(lib.setFolder("Angles")));
}

TEST_F(CuttingDialogTest, ARecordWithoutSetsOffersNothingToOpenOrSave) {
    DlgCSP2Data empty;
    script
        .inspect([] {
            EXPECT_TRUE(control(IDC_CSP2_SET_LIST).items.empty());
            for (int table : {0, 1, 2}) EXPECT_EQ(rowCount(table), 0);
        })
        .click(IDD_CSP2, IDC_CSP2_OPEN_STOCK)
        .click(IDD_CSP2, IDC_CSP2_SAVE_PURCHASE)
        .click(IDD_CSP2, IDC_CSP2_MAIN)
        .click(IDD_CSP2, IDC_CSP2_REMOVE_SET)
        .click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(empty));
    EXPECT_EQ(empty, DlgCSP2Data());
    EXPECT_FALSE(fs::exists(lib.path() / "Cutting Stock"));
}

TEST_F(CuttingDialogTest, TheOverviewShowsAndLoadsTheNewestFiles) {
    lib.write(lib.setFolder("Tubes") / "Stock2.shp",
              "5000\xBF"
              "3\xBFRHS 80\r\n",
              10);
    typeIntoCell(1, 1, 1, "unsaved");
    script.click(IDD_CSP2, IDC_CSP2_MAIN)
        .inspect([] {
            HWND info = win::findOpenDialog(kInfoDialogId);
            ASSERT_NE(info, nullptr);
            EXPECT_EQ(win::describeWindow(info).text, dialString(652).str());
            const auto lines = win::describeWindow(GetDlgItem(info, kInfoDialogListId)).items;
            ASSERT_EQ(lines.size(), 9u);
            EXPECT_EQ(lines[0], std::string(116, '-'));
            EXPECT_EQ(lines[1], appStrs(dialString(633), " ", dialString(634), " \"Beams\".").str());
            EXPECT_EQ(lines[5].rfind(appStrs(dialString(635), " \"Stock2.shp\"").str(), 0), 0u) << lines[5];
        })
        .click(kInfoDialogId, IDOK)
        .inspect([] { EXPECT_EQ(cell(1, 1, 1), "unsaved"); })
        .click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[1].rowsOfSet(2), (Kv_Array<Kv_StringArray>{{"5000", "3", "RHS 80"}}));
    EXPECT_EQ(data.tables[1].rowsOfSet(1), (Kv_Array<Kv_StringArray>{{"unsaved", "10", "HEA 200"}}));
}

TEST_F(CuttingDialogTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheOldFile) {
    data.tables[2].replaceRowsOfSet(1, {{"two\nlines", "1", ""}});
    lib.write(lib.setFolder("Beams") / "Stock1.buy", "kept\r\n", 10);
    script.click(IDD_CSP2, IDC_CSP2_SAVE_PURCHASE)
        .answerFileDialog("Stock1.buy")
        .answerMessageBox(IDYES)
        .answerMessageBox(IDOK)
        .click(IDD_CSP2, IDCANCEL);
    EXPECT_FALSE(StartDlgCSP2(data));
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    EXPECT_EQ(win::messageBoxHistory()[1].text.rfind(string(20100).str(), 0), 0u);
    EXPECT_EQ(win::messageBoxHistory()[1].icon, "warning");
    EXPECT_EQ(LibraryFolder::read(lib.setFolder("Beams") / "Stock1.buy"), "kept\r\n");
}

TEST_F(CuttingDialogTest, SetNamesNeverLeadFilesOutOfTheStockFolder) {
    data.setNames[1] = "..\\..\\outside";
    script.click(IDD_CSP2, IDC_CSP2_ADD_SET)
        .type(IDD_TEXT_ENTRY, "a/b")
        .click(IDD_TEXT_ENTRY, IDOK)
        .answerMessageBox(IDOK)
        .inspect([] { EXPECT_EQ(control(IDC_CSP2_SET_LIST).items.size(), 2u); })
        .choose(IDD_CSP2, IDC_CSP2_SET_LIST, 1)
        .click(IDD_CSP2, IDC_CSP2_SAVE_STOCK)
        .click(IDD_CSP2, IDC_CSP2_OPEN_PURCHASE)
        .click(IDD_CSP2, IDC_CSP2_MAIN)
        .inspect([] {
            const auto lines =
                win::describeWindow(GetDlgItem(win::findOpenDialog(kInfoDialogId), kInfoDialogListId)).items;
            ASSERT_EQ(lines.size(), 9u);
            EXPECT_EQ(lines[5], appStrs(dialString(633), " ", dialString(634), " \"..\\..\\outside\".").str());
        })
        .click(kInfoDialogId, IDOK)
        .click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.setCount(), 2);
    EXPECT_FALSE(fs::exists(lib.path().parent_path() / "outside"));
    EXPECT_FALSE(fs::exists(lib.path() / "outside"));
}

TEST_F(CuttingDialogTest, TheDialogIsNeverMadeSmallerThanItsTemplate) {
    RECT before{};
    script.inspect([&] { GetWindowRect(dialog(), &before); })
        .resize(IDD_CSP2, 100, 80)
        .inspect([&] {
            RECT now{};
            GetWindowRect(dialog(), &now);
            EXPECT_EQ(now.right - now.left, before.right - before.left);
        })
        .resize(IDD_CSP2, 1070, 600)  // 300 pixels wider client area: 100 per column
        .inspect([] {
            const RECT first = control(IDC_CSP2_SHEET_0).rectInParent;
            const RECT last = control(IDC_CSP2_SHEET_2).rectInParent;
            EXPECT_EQ(first.right - first.left, 320);
            EXPECT_EQ(last.left, 716);
            EXPECT_EQ(last.right - last.left, 320);
        })
        .click(IDD_CSP2, IDCANCEL);
    EXPECT_FALSE(StartDlgCSP2(data));
}

}  // namespace
