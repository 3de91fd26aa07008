// Library files the editor did not write: unreadable ones, rows longer than the column list,
// flags other than "0" and "1".  What the editor shows and what a save writes back.
#include "core/records/dlg_edit_lib_data.h"
#include "lib_editor_test_support.h"
#include "sections/dlg_edit_lib_sections.h"

namespace {

constexpr int kMain = IDD_EDIT_LIB_SECTIONS;
constexpr int kLibraries = IDD_LIB_LIBRARIES_PAGE;

class LibTableBadInputTest : public LibEditorTest {
protected:
    static HWND librarySheet() { return sheetOf(kLibraries, IDC_LIB_SHEET); }
    DlgEditLibData data;
};

}  // namespace

TEST_F(LibTableBadInputTest, AnUnreadableTableShowsAnEmptySheetWithoutAMessage) {
    writeBytes(tableFile("BAD"), "1\r\nSysName\tI/O\r\nA\\q\t1\r\n");
    script.chooseTab(kMain, IDC_LIB_TABS, 2)
        .inspect([] {
            EXPECT_EQ(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).items, (std::vector<std::string>{"BAD"}));
            EXPECT_EQ(SSGetMaxRows(librarySheet()), 0);
        })
        .click(kMain, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
}

TEST_F(LibTableBadInputTest, LongRowsAndOddFlagsComeBackAsTheyWereUnlessTicked) {
    writeTable(table("ODD", "", {"SysName", "I/O", "English"},
                     {{"A", "Y", "A", "extra", "more"}, {"B", "yes", "B"}, {"C", "0", "C", "", "last"}}));
    script.chooseTab(kMain, IDC_LIB_TABS, 2).inspect([] {
        EXPECT_EQ(SSGetMaxCols(librarySheet()), 5);
        EXPECT_EQ(cellOf(librarySheet(), 5, 1), "more");
    });
    clickCell(kLibraries, IDC_LIB_SHEET, 2, 2);  // ticks B's flag
    script.click(kMain, IDOK).answerMessageBox(IDYES);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    const Kv_ProfValuesTable saved = readTable("ODD");
    EXPECT_EQ(saved.columnNames, (Kv_StringArray{"SysName", "I/O", "English"}));
    ASSERT_EQ(saved.rows.length(), 3);
    EXPECT_EQ(saved.rows[0], (Kv_StringArray{"A", "Y", "A", "extra", "more"}));
    EXPECT_EQ(saved.rows[2], (Kv_StringArray{"C", "0", "C", "", "last"}));
    EXPECT_NE(saved.rows[1][1], "yes");
    EXPECT_EQ(saved.rows[1][0], "B");
}
