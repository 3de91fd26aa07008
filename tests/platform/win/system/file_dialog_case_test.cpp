// The file dialog finds names without regard to case, accented letters included, as the
// package's home file system does: a name typed in another case is the existing file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "win/afxwin.h"
#include "win/commdlg.h"
#include "win/readback.h"
#include "win/testing.h"

using win::testing::TestScript;
namespace fs = std::filesystem;

class FileDialogCase : public win::testing::WindowSystemTest {
protected:
    fs::path folder;
    void SetUp() override {
        WindowSystemTest::SetUp();
        folder = fs::temp_directory_path() / ("kvwin_case_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::ofstream(folder / "stock1.shp") << "old";
        std::ofstream(folder / "Tr\xC3\xA4ger.txt") << "x";  // Träger.txt, UTF-8 on disk
    }
    void TearDown() override {
        fs::remove_all(folder);
        WindowSystemTest::TearDown();
    }
};

TEST_F(FileDialogCase, SavingUnderANameDifferingOnlyInCaseAsksBeforeReplacing) {
    CFileDialog dlg(FALSE, "shp", nullptr, OFN_OVERWRITEPROMPT, "Stock files (*.shp)|*.shp||");
    std::string start = folder.string();
    dlg.m_ofn.lpstrInitialDir = start.c_str();
    TestScript script;
    script.answerFileDialog("Stock1").answerMessageBox(IDNO).inspect(
        [] { EXPECT_NE(win::innermostFileDialog(), nullptr); });
    script.answerFileDialog("STOCK1.SHP").answerMessageBox(IDYES);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    EXPECT_NE(win::messageBoxHistory()[0].text.find("stock1.shp already exists"), std::string::npos);
    // The existing file is the one chosen: saving there leaves no twin in another case.
    EXPECT_EQ(fs::path(dlg.GetPathName()), folder / "stock1.shp");
}

TEST_F(FileDialogCase, OpeningANameTypedInAnotherCaseFindsTheFile) {
    CFileDialog dlg(TRUE, "shp", nullptr, OFN_FILEMUSTEXIST, "Stock files (*.shp)|*.shp||");
    std::string start = folder.string();
    dlg.m_ofn.lpstrInitialDir = start.c_str();
    TestScript script;
    script.answerFileDialog("Stock1");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(win::messageBoxHistory().empty());
    EXPECT_EQ(fs::path(dlg.GetPathName()), folder / "stock1.shp");
}

// The dialog's texts are code page 1252 like every window text; on disk names are UTF-8.
TEST_F(FileDialogCase, AccentedNamesAreListedAndFoundInTheCodePage) {
    CFileDialog dlg(TRUE, "txt", nullptr, OFN_FILEMUSTEXIST, "Text files (*.txt)|*.txt||");
    std::string start = folder.string();
    dlg.m_ofn.lpstrInitialDir = start.c_str();
    TestScript script;
    script.inspect([] {
        HWND list = GetDlgItem(win::innermostFileDialog(), KV_FILEDLG_LIST);
        EXPECT_EQ(win::describeWindow(list).items, (std::vector<std::string>{"[..]", "Tr\xE4ger.txt"}));
    });
    script.answerFileDialog("TR\xC4GER");  // TRÄGER
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), start + "/Tr\xE4ger.txt");
}
