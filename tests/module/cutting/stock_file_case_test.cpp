// A stock file saved under a name that differs from an existing file only in case, through
// the cutting-stock dialog as a person saves it: names match without regard to case, so the
// file dialog asks before the old file is replaced.
#include <gtest/gtest.h>

#include "core/export_start_dlg_info.h"
#include "cutting/cutting_ids.h"
#include "cutting/dlg_csp2.h"
#include "cutting_test_support.h"
#include "frame_test_support.h"
#include "sheet/ss_api.h"
#include "win/input.h"
#include "win/readback.h"
#include "win/registry.h"
#include "win/system.h"
#include "win/winuser.h"

namespace {

using cutting_test::LibraryFolder;
namespace fs = std::filesystem;

class StockFileCaseTest : public FrameTest {
protected:
    void prepareHost() override {
        win::setRegistryFile((lib.path() / "registry.json").string());
        ASSERT_TRUE(SSRegisterClass());
    }
    void SetUp() override {
        FrameTest::SetUp();
        data.setIds = {1};
        data.setNames = {"Beams"};
        data.tables[0].headers = {"Profile", "Length", "Count"};
        data.tables[1].headers = {"Length", "Count", "Profile"};
        data.tables[2].headers = {"Length", "Price", "Supplier"};
        data.tables[1].replaceRowsOfSet(1, {{"12000", "10", "HEA 200"}});
    }
    void releaseHost() override { win::setRegistryFile(""); }

    LibraryFolder lib;
    DlgCSP2Data data;
};

}  // namespace

TEST_F(StockFileCaseTest, SavingOverAFileNamedInAnotherCaseAsksFirst) {
    const fs::path old = lib.write(lib.setFolder("Beams") / "stock1.shp",
                                   "6000\xBF"
                                   "1\xBFIPE 100\r\n");
    script.click(IDD_CSP2, IDC_CSP2_SAVE_STOCK)
        .answerFileDialog("Stock1")
        .answerMessageBox(IDNO)
        .cancelFileDialog()
        .inspect([&] {
            EXPECT_EQ(LibraryFolder::read(old),
                      "6000\xBF"
                      "1\xBFIPE 100\r\n");
        })
        .click(IDD_CSP2, IDC_CSP2_SAVE_STOCK)
        .answerFileDialog("STOCK1.SHP")
        .answerMessageBox(IDYES)
        .click(IDD_CSP2, IDCANCEL);
    StartDlgCSP2(data);
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    EXPECT_NE(win::messageBoxHistory()[0].text.find("stock1.shp already exists"), std::string::npos);
    EXPECT_EQ(LibraryFolder::read(old),
              "12000\xBF"
              "10\xBFHEA 200\r\n");
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(lib.setFolder("Beams")))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1);  // the old file replaced, no twin in another case
}
