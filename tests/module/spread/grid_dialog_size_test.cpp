// The string-array grid at sizes other than its template's: a person drags the frame, the
// size is remembered, and OK must still confirm with no button lying over another.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/dialog_helpers.h"
#include "spread/grid_dlg.h"
#include "spread/spread_ids.h"
#include "spread_test_support.h"
#include "win/registry.h"

namespace {

class GridDialogSizeTest : public SpreadTest {
protected:
    // Remembered sizes go to a registry of the test's own.
    void SetUp() override {
        SpreadTest::SetUp();
        registryFile = std::filesystem::temp_directory_path() / ("kv-grid-size-" + std::to_string(getpid()) + ".json");
        win::setRegistryFile(registryFile.string());
    }
    void TearDown() override {
        SpreadTest::TearDown();
        win::setRegistryFile("");
        std::error_code ec;
        std::filesystem::remove(registryFile, ec);
    }

    static HWND grid() { return win::findOpenDialog(IDD_SS_STRINGARRAY); }

    // Every visible button of the open grid, as a person sees it: none covers another.
    static void expectNoButtonCoversAnother(const char* when) {
        std::vector<RECT> shown;
        for (int id : {IDOK, IDCANCEL, IDC_GRID_ADD, IDC_GRID_REMOVE}) {
            const win::WindowInfo button = win::describeWindow(GetDlgItem(grid(), id));
            if (button.visible) shown.push_back(button.rectInParent);
        }
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j) {
                RECT overlap{};
                EXPECT_FALSE(IntersectRect(&overlap, &shown[i], &shown[j]))
                    << when << ": buttons " << i << " and " << j;
            }
    }
    // The dialog's client area holds every button whole.
    static void expectButtonsInside(const char* when) {
        RECT client{};
        GetClientRect(grid(), &client);
        for (int id : {IDOK, IDCANCEL, IDC_GRID_ADD, IDC_GRID_REMOVE}) {
            const RECT button = win::describeWindow(GetDlgItem(grid(), id)).rectInParent;
            EXPECT_TRUE(button.left >= 0 && button.right <= client.right && button.bottom <= client.bottom)
                << when << ": button " << id;
        }
    }

    std::filesystem::path registryFile;
    Kv_StringArray cols{"Name", "Width"};
    Kv_Array<Kv_StringArray> rows{{"P1", "100"}, {"P2", "200"}};
};

TEST_F(GridDialogSizeTest, OkConfirmsAtEverySizeAPersonDragsTo) {
    int templateWidth = 0;
    script
        .inspect([&] {
            RECT rect{};
            GetWindowRect(grid(), &rect);
            templateWidth = rect.right - rect.left;  // opened without a remembered size
            expectNoButtonCoversAnother("as opened");
        })
        .resize(IDD_SS_STRINGARRAY, 900, 500)
        .inspect([] {
            expectNoButtonCoversAnother("widened");
            expectButtonsInside("widened");
        })
        .resize(IDD_SS_STRINGARRAY, 200, 150)  // smaller than the template: held at its size
        .inspect([&] {
            RECT rect{};
            GetWindowRect(grid(), &rect);
            EXPECT_EQ(rect.right - rect.left, templateWidth);
            expectNoButtonCoversAnother("narrowed");
        })
        .resize(IDD_SS_STRINGARRAY, 1400, 700)
        .click(IDD_SS_STRINGARRAY, IDOK);
    ASSERT_TRUE(startGridDialog(cols, {}, rows, true, "DLG_TEST_GRID_WIDE", "Plates"));
    EXPECT_EQ(rows.length(), 2);
}

TEST_F(GridDialogSizeTest, ARememberedWideSizeStillConfirmsWithOk) {
    script.resize(IDD_SS_STRINGARRAY, 780, 420).click(IDD_SS_STRINGARRAY, IDCANCEL);
    EXPECT_FALSE(startGridDialog(cols, {}, rows, true, "DLG_TEST_GRID_REMEMBERED", "Plates"));

    // The next time the dialog opens at the remembered width; OK must confirm, not remove a row.
    script
        .inspect([] {
            RECT rect{};
            GetWindowRect(grid(), &rect);
            EXPECT_EQ(rect.right - rect.left, 780);
            expectNoButtonCoversAnother("remembered");
            expectButtonsInside("remembered");
        })
        .click(IDD_SS_STRINGARRAY, IDOK);
    ASSERT_TRUE(startGridDialog(cols, {}, rows, true, "DLG_TEST_GRID_REMEMBERED", "Plates"));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[1], (Kv_StringArray{"P2", "200"}));
}

TEST_F(GridDialogSizeTest, ARememberedSizeBelowTheTemplateIsRaisedToIt) {
    // A size remembered under the same name by a smaller window.
    openSheet();
    MoveWindow(host->m_hWnd, 0, 0, 250, 150, FALSE);
    ASSERT_TRUE(WriteDlgSize(host->m_hWnd, "DLG_TEST_GRID_SMALL"));
    script
        .inspect([] {
            RECT rect{};
            GetWindowRect(grid(), &rect);
            EXPECT_GT(rect.right - rect.left, 250);
            expectNoButtonCoversAnother("remembered small");
            expectButtonsInside("remembered small");
        })
        .click(IDD_SS_STRINGARRAY, IDOK);
    ASSERT_TRUE(startGridDialog(cols, {}, rows, true, "DLG_TEST_GRID_SMALL", "Plates"));
    EXPECT_EQ(rows.length(), 2);
}

}  // namespace
