// Message boxes and the file dialog are dialogs of the system: read back and answered by clicks.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "sample_dialogs.h"
#include "win/draw.h"
#include "win/testing.h"

using win::testing::TestScript;
namespace fs = std::filesystem;

class CommonDialogs : public win::testing::WindowSystemTest {
protected:
    fs::path folder;
    void SetUp() override {
        WindowSystemTest::SetUp();
        folder = fs::temp_directory_path() / ("kvwin_files_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "sub");
        std::ofstream(folder / "beam.txt") << "x";
        std::ofstream(folder / "other.dat") << "y";
    }
    void TearDown() override {
        fs::remove_all(folder);
        WindowSystemTest::TearDown();
    }
};

TEST_F(CommonDialogs, MessageBoxIsReadBackAndAnsweredNo) {
    TestScript script;
    script.inspect([] {
        HWND box = win::innermostMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(win::describeWindow(box).text, "Delete");
        win::WindowInfo yes = win::describeWindow(GetDlgItem(box, IDYES));
        EXPECT_EQ(yes.text, "&Yes");
        EXPECT_TRUE(yes.isDefault);
        EXPECT_EQ(win::describeWindow(GetDlgItem(box, IDNO)).text, "&No");
        EXPECT_EQ(win::systemIconName(reinterpret_cast<HICON>(SendDlgItemMessage(box, 20, STM_GETICON, 0, 0))),
                  "question");
        EXPECT_NE(win::dumpWindowTree(box).find("Remove the bolt?"), std::string::npos);
    });
    script.answerMessageBox(IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Remove the bolt?", "Delete", MB_YESNO | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    const win::MessageBoxRecord& r = win::messageBoxHistory()[0];
    EXPECT_EQ(r.text, "Remove the bolt?");
    EXPECT_EQ(r.icon, "question");
    EXPECT_EQ(r.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(r.answer, IDNO);
}

TEST_F(CommonDialogs, EscapeAnswersOnlyBoxesThatCanBeCancelled) {
    TestScript script;
    script.key(0, VK_ESCAPE).inspect([] { EXPECT_NE(win::innermostMessageBox(), nullptr); });
    script.key(0, VK_RETURN);
    EXPECT_EQ(MessageBox(nullptr, "Go on?", "Q", MB_YESNO | MB_DEFBUTTON2), IDNO);
    script.key(0, VK_ESCAPE);
    EXPECT_EQ(AfxMessageBox("Done."), IDOK);
}

TEST_F(CommonDialogs, MessageBoxOverADialogBlocksIt) {
    class Asking : public MoreDialog {
    public:
        int answer = 0;
        void OnOK() override { answer = MessageBox("Sure?", "Ask", MB_OKCANCEL); }
    } dlg;
    TestScript script;
    script.click(IDD_MORE, IDOK).inspect([] { EXPECT_FALSE(IsWindowEnabled(win::findOpenDialog(IDD_MORE))); });
    script.answerMessageBox(IDCANCEL).click(IDD_MORE, IDCANCEL);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.answer, IDCANCEL);
}

TEST_F(CommonDialogs, FileDialogCancelled) {
    CFileDialog dlg(TRUE, "txt", nullptr, OFN_FILEMUSTEXIST, "Text files (*.txt)|*.txt|All files (*.*)|*.*||");
    std::string start = folder.string();
    dlg.m_ofn.lpstrInitialDir = start.c_str();
    TestScript script;
    script.inspect([] {
        HWND fd = win::innermostFileDialog();
        ASSERT_NE(fd, nullptr);
        win::WindowInfo list = win::describeWindow(GetDlgItem(fd, KV_FILEDLG_LIST));
        EXPECT_EQ(list.items, (std::vector<std::string>{"[..]", "[sub]", "beam.txt"}));
        EXPECT_EQ(win::describeWindow(GetDlgItem(fd, KV_FILEDLG_TYPES)).text, "Text files (*.txt)");
    });
    script.cancelFileDialog();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST_F(CommonDialogs, FileDialogAppendsTheDefaultExtension) {
    CFileDialog dlg(TRUE, "txt", nullptr, OFN_FILEMUSTEXIST, "Text files (*.txt)|*.txt||");
    std::string start = folder.string();
    dlg.m_ofn.lpstrInitialDir = start.c_str();
    TestScript script;
    script.answerFileDialog("beam");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(fs::path(dlg.GetPathName()), folder / "beam.txt");
    EXPECT_EQ(dlg.GetFileName(), "beam.txt");
    EXPECT_EQ(dlg.GetFileExt(), "txt");
}

TEST_F(CommonDialogs, MustExistWarnsAndKeepsTheDialogOpen) {
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, nullptr);
    std::string start = folder.string();
    dlg.m_ofn.lpstrInitialDir = start.c_str();
    TestScript script;
    script.answerFileDialog("missing.txt").inspect([] {
        ASSERT_FALSE(win::messageBoxHistory().empty());
        EXPECT_NE(win::messageBoxHistory().back().text.find("File not found"), std::string::npos);
        EXPECT_EQ(win::messageBoxHistory().back().icon, "warning");
    });
    script.answerMessageBox(IDOK).inspect([] { EXPECT_NE(win::innermostFileDialog(), nullptr); });
    script.answerFileDialog("sub\\..\\beam.txt");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(fs::path(dlg.GetPathName()), folder / "beam.txt");
}

TEST_F(CommonDialogs, OverwritePromptAnsweredNoThenYes) {
    CFileDialog dlg(FALSE, "txt", "beam.txt", OFN_OVERWRITEPROMPT, "Text files (*.txt)|*.txt||");
    std::string start = folder.string();
    dlg.m_ofn.lpstrInitialDir = start.c_str();
    TestScript script;
    script.answerFileDialog("beam.txt").answerMessageBox(IDNO).inspect([] {
        EXPECT_NE(win::innermostFileDialog(), nullptr);
    });
    script.answerFileDialog("beam.txt").answerMessageBox(IDYES);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetFileName(), "beam.txt");
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    EXPECT_NE(win::messageBoxHistory()[0].text.find("already exists"), std::string::npos);
}

TEST_F(CommonDialogs, FileDialogNavigatesIntoAFolderByDoubleClick) {
    std::ofstream(folder / "sub" / "deep.txt") << "z";
    char buffer[512] = {};
    std::string start = folder.string();
    OPENFILENAME ofn;
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = sizeof buffer;
    ofn.lpstrInitialDir = start.c_str();
    ofn.lpstrFilter = "All\0*.*\0\0";
    TestScript script;
    script.inspect([] {
        HWND list = GetDlgItem(win::innermostFileDialog(), KV_FILEDLG_LIST);
        win::input::doubleClickListItem(list, 1);
    });
    script.inspect([] {
        HWND fd = win::innermostFileDialog();
        EXPECT_EQ(win::describeWindow(GetDlgItem(fd, KV_FILEDLG_LIST)).items,
                  (std::vector<std::string>{"[..]", "deep.txt"}));
    });
    script.answerFileDialog("deep.txt");
    EXPECT_TRUE(GetOpenFileName(&ofn));
    EXPECT_EQ(fs::path(buffer), folder / "sub" / "deep.txt");
    EXPECT_EQ(std::string(buffer + ofn.nFileOffset), "deep.txt");
}
