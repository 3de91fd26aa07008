#pragma once
// The cutting-stock dialog's test fixture: the module's fixture (FrameTest) with a fresh
// library folder, a registry file of its own and two sets with rows in every table.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "core/records/dlg_csp2_data.h"
#include "cutting/cutting_ids.h"
#include "cutting_test_support.h"
#include "frame_test_support.h"
#include "sheet/ss_api.h"
#include "win/input.h"
#include "win/readback.h"
#include "win/registry.h"
#include "win/system.h"
#include "win/winuser.h"

namespace cutting_test {

constexpr int kSheetIds[3] = {IDC_CSP2_SHEET_0, IDC_CSP2_SHEET_1, IDC_CSP2_SHEET_2};

class CuttingDialogTest : public FrameTest {
protected:
    void prepareHost() override {
        win::setRegistryFile((lib.path() / "registry.json").string());
        ASSERT_TRUE(SSRegisterClass());
    }
    void SetUp() override {
        FrameTest::SetUp();
        data.setIds = {1, 2};
        data.setNames = {"Beams", "Tubes"};
        data.tables[0].headers = {"Profile", "Length", "Count"};
        data.tables[1].headers = {"Length", "Count", "Profile"};
        data.tables[2].headers = {"Length", "Price", "Supplier"};
        data.tables[0].replaceRowsOfSet(1, {{"HEA 200", "3000", "4"}});
        data.tables[0].replaceRowsOfSet(2, {{"RHS 100", "1500", "2"}});
        data.tables[1].replaceRowsOfSet(1, {{"12000", "10", "HEA 200"}});
        data.tables[1].replaceRowsOfSet(2, {{"6000", "5", "RHS 100"}});
        data.tables[2].replaceRowsOfSet(1, {{"12000", "80", "Mill"}});
    }
    void releaseHost() override { win::setRegistryFile(""); }

    static HWND dialog() { return win::findOpenDialog(IDD_CSP2); }
    static HWND sheetOf(int table) { return GetDlgItem(dialog(), kSheetIds[table]); }
    static int rowCount(int table) { return SSGetMaxRows(sheetOf(table)); }
    static std::string cell(int table, int col, int row) {
        HWND sheet = sheetOf(table);
        std::string text(static_cast<size_t>(std::max(SSGetDataLen(sheet, col, row), 0)) + 1, '\0');
        SSGetData(sheet, col, row, text.data());
        text.resize(std::strlen(text.c_str()));
        return text;
    }
    static win::WindowInfo control(int id) { return win::describeWindow(GetDlgItem(dialog(), id)); }

    // A click in the middle of a cell of the open dialog's sheet (no row-header column).
    void clickCell(int table, int col, int row) {
        script.inspect(
            [table, col, row] {
                HWND sheet = sheetOf(table);
                ASSERT_NE(sheet, nullptr);
                int x = 0, y = 0, width = 0, height = 0;
                for (int c = 1; c < col; ++c) SSGetColWidthInPixels(sheet, c, &width), x += width;
                SSGetColWidthInPixels(sheet, col, &width);
                SSGetRowHeightInPixels(sheet, SS_HEADER, &height);
                y = height;
                for (int r = 1; r < row; ++r) SSGetRowHeightInPixels(sheet, r, &height), y += height;
                SSGetRowHeightInPixels(sheet, row, &height);
                win::input::click(sheet, POINT{x + width / 2, y + height / 2});
            },
            "click a cell");
    }
    void typeIntoCell(int table, int col, int row, const std::string& text) {
        clickCell(table, col, row);
        script.type(IDD_CSP2, text);
    }

    LibraryFolder lib;
    DlgCSP2Data data;
};

}  // namespace cutting_test
