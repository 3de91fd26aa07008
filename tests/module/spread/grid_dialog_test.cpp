// The string-array grid dialog through startGridDialog, as a person uses it.
#include "core/dialog_helpers.h"
#include "spread/grid_dlg.h"
#include "spread/spread_ids.h"
#include "spread_test_support.h"

namespace {

class GridDialogTest : public SpreadTest {
protected:
    HWND gridSheet() { return GetDlgItem(win::findOpenDialog(IDD_SS_STRINGARRAY), IDC_GRID_SHEET); }
    // A click into a cell of the open grid; the driver posts it, the engine activates the cell.
    void clickGridCell(int col, int row) {
        script.inspect(
            [this, col, row] {
                HWND sheetWindow = gridSheet();
                ASSERT_NE(sheetWindow, nullptr);
                win::input::click(sheetWindow, spread_test::cellCenter(sheetWindow, col, row));
            },
            "click a grid cell");
    }
    Kv_StringArray cols{"Name", "Width", "Height"};
};

TEST_F(GridDialogTest, RowsOfTheWrongLengthAreDroppedAndEditsComeBack) {
    Kv_Array<Kv_StringArray> rows{{"P1", "100", "10"}, {"short", "row"}, {"P2", "200", "20"}};
    std::vector<std::string> shown;
    script.inspect([&] {
        spread_test::EngineProbe state(gridSheet());
        ASSERT_TRUE(state.valid());
        EXPECT_EQ(state.maxRows(), 2);
        EXPECT_EQ(state.maxCols(), 3);
        EXPECT_EQ(state.dataAt(1, SS_HEADER), "Name");
        shown = {state.dataAt(1, 1), state.dataAt(1, 2)};
        EXPECT_FALSE(win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_SS_STRINGARRAY), IDC_GRID_ADD)).visible);
    });
    clickGridCell(2, 2);
    script.type(IDD_SS_STRINGARRAY, "250").click(IDD_SS_STRINGARRAY, IDOK);
    ASSERT_TRUE(startGridDialog(cols, {}, rows, false, "", "Plates"));
    EXPECT_EQ(shown, (std::vector<std::string>{"P1", "P2"}));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0], (Kv_StringArray{"P1", "100", "10"}));
    EXPECT_EQ(rows[1], (Kv_StringArray{"P2", "250", "20"}));
}

TEST_F(GridDialogTest, CancelLeavesTheCallersRowsUntouched) {
    Kv_Array<Kv_StringArray> rows{{"P1", "100", "10"}, {"short"}};
    const Kv_Array<Kv_StringArray> before = rows;
    clickGridCell(1, 1);
    script.type(IDD_SS_STRINGARRAY, "changed").click(IDD_SS_STRINGARRAY, IDCANCEL);
    EXPECT_FALSE(startGridDialog(cols, {}, rows, true, "", "Plates"));
    EXPECT_EQ(rows, before);
}

TEST_F(GridDialogTest, AddAndRemoveRowsBelowTheActiveCell) {
    Kv_Array<Kv_StringArray> rows{{"P1", "1", "1"}, {"P2", "2", "2"}};
    clickGridCell(2, 1);
    script.click(IDD_SS_STRINGARRAY, IDC_GRID_ADD)
        .inspect([&] {
            spread_test::EngineProbe state(gridSheet());
            EXPECT_EQ(state.maxRows(), 3);
            EXPECT_EQ(state.activeRow(), 2);
            EXPECT_EQ(state.activeCol(), 2);
            EXPECT_EQ(GetFocus(), gridSheet());
        })
        .type(IDD_SS_STRINGARRAY, "new");
    clickGridCell(1, 1);
    script.click(IDD_SS_STRINGARRAY, IDC_GRID_REMOVE).click(IDD_SS_STRINGARRAY, IDOK);
    ASSERT_TRUE(startGridDialog(cols, {"a", "b"}, rows, true, "DLG_TEST_GRID", "Plates"));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0], (Kv_StringArray{"", "new", ""}));
    EXPECT_EQ(rows[1], (Kv_StringArray{"P2", "2", "2"}));
}

TEST_F(GridDialogTest, NoColumnsOpensNothing) {
    Kv_Array<Kv_StringArray> rows{{"x"}};
    EXPECT_FALSE(startGridDialog({}, {}, rows, true, "", "Empty"));
    EXPECT_EQ(rows.length(), 1);
    EXPECT_EQ(win::findOpenDialog(IDD_SS_STRINGARRAY), nullptr);
}

TEST_F(GridDialogTest, TheSizeIsRememberedUnderTheDialogName) {
    Kv_Array<Kv_StringArray> rows{{"P1", "1", "1"}};
    script.resize(IDD_SS_STRINGARRAY, 600, 400)
        .inspect([&] {
            RECT sheetRect = win::describeWindow(gridSheet()).rectInParent;
            EXPECT_GT(sheetRect.right - sheetRect.left, 454);
        })
        .click(IDD_SS_STRINGARRAY, IDOK);
    ASSERT_TRUE(startGridDialog(cols, {}, rows, false, "DLG_TEST_GRID_SIZE", "Plates"));
    RECT saved{};
    ASSERT_TRUE(readSavedDlgSize("DLG_TEST_GRID_SIZE", saved));
    EXPECT_EQ(saved.right - saved.left, 600);
}

}  // namespace
