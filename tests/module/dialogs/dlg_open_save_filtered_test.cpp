// The filtered open and save dialog over a folder of its own.
#include "dialogs/dlg_open_save_filtered.h"

#include <filesystem>
#include <fstream>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "dialogs/dialogs_ids.h"
#include "frame/callable_exports.h"
#include "frame/module_frame.h"
#include "frame/module_resource_scope.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_OPENSAVE_FILTERED;

class OpenSaveFilteredTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        std::filesystem::create_directories(root_ / "props");
        for (const char* file : {"plate.kvp", "stiffener.kvp", "shared.kvp"})
            std::ofstream(root_ / "props" / file) << "x";
        dialog.folder = Kv_String(root_.string()) + "/props/";
        dialog.extension = ".kvp";
        dialog.firstList = {"plate", "shared"};
        dialog.secondList = {"stiffener", "shared"};
    }

    INT_PTR run() {
        frame::ModuleResourceScope scope;
        return dialog.DoModal();
    }
    static win::WindowInfo control(int id) { return win::describeWindow(GetDlgItem(win::findOpenDialog(kDlg), id)); }
    bool exists(const char* file) const { return std::filesystem::exists(root_ / "props" / file); }

    CDlgOpenSaveFiltered dialog;
};

// The callable's int argument, given numbers an int cannot hold: a program driving the module
// gets a refusal naming the field and the range instead of a wrapped value.
TEST(OpenSaveFilteredCallable, RefusesAnIntegerArgumentOutsideTheIntRange) {
    int count = 0;
    const KvCallableExport* exports = kvCallableExports(&count);
    const KvCallableExport* found = nullptr;
    for (int i = 0; i < count; ++i)
        if (std::strcmp(exports[i].name, "OpenSaveFilteredDialog") == 0) found = &exports[i];
    ASSERT_NE(found, nullptr);
    const std::string outOfRange =
        "OpenSaveFilteredDialog arguments: field \"saveMode\" must be an integer from -2147483648 to 2147483647";
    std::string outputs, error;
    EXPECT_FALSE(found->call(R"({"saveMode": 3000000000})", outputs, error));
    EXPECT_EQ(error, outOfRange);
    EXPECT_FALSE(found->call(R"({"saveMode": -3000000000})", outputs, error));
    EXPECT_EQ(error, outOfRange);
    EXPECT_FALSE(found->call(R"({"saveMode": 18446744073709551615})", outputs, error));
    EXPECT_EQ(error, outOfRange);
    EXPECT_FALSE(found->call(R"({"saveMode": 1e12})", outputs, error));
    EXPECT_EQ(error, "OpenSaveFilteredDialog arguments: field \"saveMode\" must be an integer");
}

}  // namespace

TEST_F(OpenSaveFilteredTest, OpenModeNeedsASelection) {
    script
        .inspect([] {
            EXPECT_EQ(win::describeWindow(win::findOpenDialog(kDlg)).text, dialString(1126).str());
            EXPECT_EQ(control(IDOK).text, dialString(841).str());
            EXPECT_EQ(control(IDC_OPENSAVE_SHOW_FIRST).text, dialString(1498).str());
            EXPECT_FALSE(control(IDC_OPENSAVE_NAME).visible);
            EXPECT_EQ(control(IDC_OPENSAVE_SHOW_FIRST).check, BST_UNCHECKED);
            EXPECT_EQ(control(IDC_OPENSAVE_LIST).items, (std::vector<std::string>{"stiffener", "shared"}));
            EXPECT_NE(control(IDC_OPENSAVE_DELETE).icon, nullptr);
            EXPECT_EQ(CButtonST::tooltipOf(control(IDC_OPENSAVE_DELETE).hwnd), "Selectie verwijderen...");
        })
        .click(kDlg, IDOK)
        .inspect([] { EXPECT_NE(win::findOpenDialog(kDlg), nullptr); })
        .choose(kDlg, IDC_OPENSAVE_LIST, "shared")
        .click(kDlg, IDOK);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(dialog.name, "shared");
}

TEST_F(OpenSaveFilteredTest, TheCheckBoxSwitchesLists) {
    script.click(kDlg, IDC_OPENSAVE_SHOW_FIRST)
        .inspect([] {
            EXPECT_EQ(control(IDC_OPENSAVE_LIST).items, (std::vector<std::string>{"plate", "shared"}));
        })
        .choose(kDlg, IDC_OPENSAVE_LIST, "plate")
        .click(kDlg, IDC_OPENSAVE_SHOW_FIRST)
        .inspect([] {
            EXPECT_EQ(control(IDC_OPENSAVE_LIST).items, (std::vector<std::string>{"stiffener", "shared"}));
        })
        .click(kDlg, IDCANCEL);
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_EQ(dialog.name, "");
}

TEST_F(OpenSaveFilteredTest, SavingOverAFileOfTheOtherListAsksTheLongQuestion) {
    dialog.saveMode = 1;
    script
        .inspect([] {
            EXPECT_EQ(win::describeWindow(win::findOpenDialog(kDlg)).text, dialString(1127).str());
            EXPECT_EQ(control(IDOK).text, dialString(842).str());
            EXPECT_TRUE(control(IDC_OPENSAVE_NAME).visible);
        })
        .click(kDlg, IDC_OPENSAVE_NAME)
        .type(kDlg, "plate")
        .click(kDlg, IDOK)
        .answerMessageBox(IDNO)
        .inspect([] { EXPECT_NE(win::findOpenDialog(kDlg), nullptr); })
        .click(kDlg, IDOK)
        .answerMessageBox(IDCANCEL)
        .click(kDlg, IDOK)
        .answerMessageBox(IDYES);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(dialog.name, "plate");
    const auto& boxes = win::messageBoxHistory();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, (string(1128) + "\n" + string(1129) + "\n\n" + string(1130) + "\n").str());
    EXPECT_EQ(boxes[0].caption, dialString(1131).str());
    EXPECT_EQ(boxes[0].icon, "warning");
    EXPECT_EQ(boxes[0].buttons, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
}

TEST_F(OpenSaveFilteredTest, SavingOverAFileOfTheShownListAsksTheShortQuestion) {
    dialog.saveMode = 1;
    script.choose(kDlg, IDC_OPENSAVE_LIST, "stiffener")
        .inspect([] { EXPECT_EQ(control(IDC_OPENSAVE_NAME).text, "stiffener"); })
        .click(kDlg, IDOK)
        .answerMessageBox(IDYES);
    EXPECT_EQ(run(), 1);
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(win::messageBoxHistory()[0].text, (string(1128) + "\n\n" + string(1130) + "\n").str());
}

TEST_F(OpenSaveFilteredTest, ANewNameSavesWithoutQuestionAndATypedExtensionIsDoubled) {
    dialog.saveMode = 1;
    // plate.kvp exists, but the path looked up is plate.kvp.kvp.
    script.click(kDlg, IDC_OPENSAVE_NAME).type(kDlg, "plate.kvp").click(kDlg, IDOK);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(dialog.name, "plate.kvp");
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

TEST_F(OpenSaveFilteredTest, AnInvalidNameIsRefusedWithAWarning) {
    dialog.saveMode = 1;
    script.click(kDlg, IDC_OPENSAVE_NAME)
        .type(kDlg, "a:b")
        .click(kDlg, IDOK)
        .answerMessageBox(IDOK)
        .inspect([] { EXPECT_NE(win::findOpenDialog(kDlg), nullptr); })
        .click(kDlg, IDCANCEL);
    EXPECT_EQ(run(), IDCANCEL);
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(win::messageBoxHistory()[0].caption, string(20000).str());
}

TEST_F(OpenSaveFilteredTest, DeletingANameListedTwiceRemovesItFromBothLists) {
    script.choose(kDlg, IDC_OPENSAVE_LIST, "shared")
        .click(kDlg, IDC_OPENSAVE_DELETE)
        .answerMessageBox(IDYES)
        .inspect([] { EXPECT_EQ(control(IDC_OPENSAVE_LIST).items, (std::vector<std::string>{"stiffener"})); })
        .click(kDlg, IDCANCEL);
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_FALSE(exists("shared.kvp"));
    EXPECT_EQ(dialog.firstList, (Kv_StringArray{"plate"}));
    EXPECT_EQ(dialog.secondList, (Kv_StringArray{"stiffener"}));
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    const auto& box = win::messageBoxHistory()[0];
    EXPECT_EQ(box.text, (string(1132) + " \"shared\" " + string(1133) + "\n" + string(1134) + "\n").str());
    EXPECT_EQ(box.caption, dialString(1135).str());
    EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
}

TEST_F(OpenSaveFilteredTest, DeleteNeedsASelectionAConfirmationAndASuccessfulDeletion) {
    dialog.secondList.append("ghost");  // listed, but no file
    script
        .click(kDlg, IDC_OPENSAVE_DELETE)  // nothing selected: no question
        .choose(kDlg, IDC_OPENSAVE_LIST, "stiffener")
        .click(kDlg, IDC_OPENSAVE_DELETE)
        .answerMessageBox(IDNO)
        .choose(kDlg, IDC_OPENSAVE_LIST, "ghost")
        .click(kDlg, IDC_OPENSAVE_DELETE)
        .answerMessageBox(IDYES)
        .inspect([] { EXPECT_EQ(control(IDC_OPENSAVE_LIST).items.size(), 3u); })
        .click(kDlg, IDCANCEL);
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_TRUE(exists("stiffener.kvp"));
    EXPECT_EQ(dialog.secondList, (Kv_StringArray{"stiffener", "shared", "ghost"}));
    EXPECT_EQ(win::messageBoxHistory().size(), 2u);
}

TEST_F(OpenSaveFilteredTest, TheSizeNeverGoesBelowTheOpeningSizeAndIsRemembered) {
    int openWidth = 0, openHeight = 0;
    script.inspect([&] { getDlgSize(win::findOpenDialog(kDlg), openWidth, openHeight, true); })
        .resize(kDlg, 100, 100)
        .inspect([&] {
            int width = 0, height = 0;
            getDlgSize(win::findOpenDialog(kDlg), width, height, true);
            EXPECT_EQ(width, openWidth);
            EXPECT_EQ(height, openHeight);
        })
        .resize(kDlg, 500, 520)
        .inspect([] {
            // The list grows with the dialog; the buttons keep their size.
            const RECT list = control(IDC_OPENSAVE_LIST).rectInParent;
            EXPECT_GT(list.right - list.left, 262);
            const RECT ok = control(IDOK).rectInParent;
            EXPECT_EQ(ok.right - ok.left, 80);
        })
        .click(kDlg, IDCANCEL);
    EXPECT_EQ(run(), IDCANCEL);
    EXPECT_GT(dialog.minimumTrackSize.cx, 50);
    RECT saved{};
    ASSERT_TRUE(readSavedDlgSize("DLG_OPENSAVEFILTERED", saved));
    EXPECT_GT(saved.right - saved.left, openWidth);
}
