// The cutting-stock dialog's files as a person meets them: the file read is the one chosen or
// named, a file that cannot be read keeps the rows and says so, and a new file never lands on
// an old one.
#include <sys/stat.h>

#include "core/export_start_dlg_info.h"
#include "core/kv_texts.h"
#include "cutting/csp2_overview.h"
#include "cutting/dlg_csp2.h"
#include "cutting_dialog_test.h"

namespace {

using cutting_test::CuttingDialogTest;
using cutting_test::LibraryFolder;
namespace fs = std::filesystem;

// A file that is there but cannot be read as a text file.
void makeUnreadable(const fs::path& file) {
    fs::create_directories(file.parent_path());
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0) << file;
}

std::vector<std::string> infoLines() {
    return win::describeWindow(GetDlgItem(win::findOpenDialog(kInfoDialogId), kInfoDialogListId)).items;
}

TEST_F(CuttingDialogTest, OpeningReadsTheFileThePersonChose) {
    lib.write(lib.setFolder("Beams") / "Stock1.buy",
              "2000\xBF"
              "5\xBFMill\r\n",
              10);
    lib.write(lib.setFolder("Beams") / "Stock1.shp",
              "wrong\xBF"
              "file\xBF\r\n",
              20);
    script.click(IDD_CSP2, IDC_CSP2_OPEN_STOCK)
        .answerFileDialog("Stock1.buy")
        .inspect([] {
            EXPECT_EQ(rowCount(1), 1);
            EXPECT_EQ(cell(1, 3, 1), "Mill");
        })
        .click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[1].rowsOfSet(1), (Kv_Array<Kv_StringArray>{{"2000", "5", "Mill"}}));
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

TEST_F(CuttingDialogTest, AFileThatCannotBeReadKeepsTheRowsAndSaysSo) {
    makeUnreadable(lib.setFolder("Beams") / "Pipe.shp");
    script.click(IDD_CSP2, IDC_CSP2_OPEN_STOCK)
        .answerFileDialog("Pipe.shp")
        .answerMessageBox(IDOK)
        .inspect([] {
            EXPECT_EQ(rowCount(1), 1);
            EXPECT_EQ(cell(1, 1, 1), "12000");
        })
        .click(IDD_CSP2, IDOK);
    const DlgCSP2Data before = data;
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[1].rowsOfSet(1), before.tables[1].rowsOfSet(1));
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    const std::string said = win::messageBoxHistory()[0].text;
    EXPECT_EQ(said.rfind(string(cutting::kUnreadableFileText).str(), 0), 0u) << said;
    EXPECT_NE(said.find("Pipe.shp"), std::string::npos) << said;
}

TEST_F(CuttingDialogTest, TheOverviewLoadsTheFileItNames) {
    lib.write(lib.setFolder("Tubes") / "Stock2.shp",
              "newest\xBF"
              "1\xBFRHS 80\r\n",
              10);
    lib.write(lib.setFolder("Tubes") / "stock2.shp",
              "older twin\xBF"
              "2\xBF\r\n",
              1000);
    script.click(IDD_CSP2, IDC_CSP2_MAIN)
        .inspect([] {
            const auto lines = infoLines();
            ASSERT_EQ(lines.size(), 9u);
            EXPECT_EQ(lines[5].rfind(appStrs(dialString(635), " \"Stock2.shp\"").str(), 0), 0u) << lines[5];
        })
        .click(kInfoDialogId, IDOK)
        .click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[1].rowsOfSet(2), (Kv_Array<Kv_StringArray>{{"newest", "1", "RHS 80"}}));
}

TEST_F(CuttingDialogTest, TheOverviewKeepsTheRowsOfAnUnreadableFileAndSaysSo) {
    makeUnreadable(lib.setFolder("Tubes") / "Stock3.shp");
    script.click(IDD_CSP2, IDC_CSP2_MAIN)
        .inspect([] {
            const auto lines = infoLines();
            ASSERT_EQ(lines.size(), 10u);
            EXPECT_EQ(lines[5].rfind(appStrs(dialString(635), " \"Stock3.shp\"").str(), 0), 0u) << lines[5];
            EXPECT_EQ(lines[8].rfind(string(cutting::kUnreadableFileText).str(), 0), 0u) << lines[8];
            EXPECT_EQ(lines[9], std::string(116, '-'));
        })
        .click(kInfoDialogId, IDOK)
        .click(IDD_CSP2, IDOK);
    const DlgCSP2Data before = data;
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.tables[1].rowsOfSet(2), before.tables[1].rowsOfSet(2));
}

TEST_F(CuttingDialogTest, TheBatchSaveNeverWritesOverAnExistingFile) {
    data.stockUpdateMode = true;
    // Numbers beyond any machine word: the next one must still be new.
    const fs::path big = lib.write(lib.setFolder("Beams") / "Stock4611686018427387904.shp", "keep\r\n", 100);
    const fs::path bigger = lib.write(lib.setFolder("Tubes") / "Stock99999999999999999999.shp", "keep too\r\n", 100);
    script.click(IDD_CSP2, IDC_CSP2_MAIN).click(IDD_CSP2, IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(LibraryFolder::read(big), "keep\r\n");
    EXPECT_EQ(LibraryFolder::read(bigger), "keep too\r\n");
    EXPECT_EQ(LibraryFolder::read(lib.setFolder("Beams") / "stock4611686018427387905.shp"),
              "12000\xBF"
              "10\xBFHEA 200\r\n");
    EXPECT_EQ(LibraryFolder::read(lib.setFolder("Tubes") / "stock100000000000000000000.shp"),
              "6000\xBF"
              "5\xBFRHS 100\r\n");
}

}  // namespace
