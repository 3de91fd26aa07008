// Modal and modeless dialogs, missing templates and scripts that run out.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/testing.h"

using win::testing::TestScript;

class ModalDialogs : public win::testing::WindowSystemTest {};

TEST_F(ModalDialogs, ModalOpenedFromAnotherIsAnsweredWhileItsOwnerIsBlocked) {
    SampleDialog dlg;
    TestScript script;
    script.click(IDD_SAMPLE, IDC_MORE).inspect([] {
        HWND sample = win::findOpenDialog(IDD_SAMPLE);
        HWND more = win::findOpenDialog(IDD_MORE);
        ASSERT_NE(more, nullptr);
        EXPECT_FALSE(IsWindowEnabled(sample));
        EXPECT_TRUE(win::isModalDialog(more));
        EXPECT_EQ(GetParent(more), sample);
    });
    // A click on the blocked owner does nothing.
    script.click(IDD_SAMPLE, IDOK).inspect([] { EXPECT_NE(win::findOpenDialog(IDD_MORE), nullptr); });
    script.type(IDD_MORE, "second").click(IDD_MORE, IDOK).inspect([] {
        EXPECT_TRUE(IsWindowEnabled(win::findOpenDialog(IDD_SAMPLE)));
        EXPECT_EQ(focusedId(), IDC_MORE);  // the focus is back where it was
    });
    script.click(IDD_SAMPLE, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.moreResult, IDOK);
    EXPECT_EQ(dlg.moreText, "second");
    ASSERT_FALSE(script.notes().empty());
    EXPECT_NE(script.notes()[0].find("disabled"), std::string::npos);
}

class ProgressDialog : public CDialog {
public:
    bool* destroyed;
    explicit ProgressDialog(bool* flag) : destroyed(flag) {}
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override { *destroyed = true; }
};

TEST_F(ModalDialogs, ModelessDialogStaysOpenUntilClosedLater) {
    bool destroyed = false;
    ProgressDialog dlg(&destroyed);
    ASSERT_TRUE(dlg.Create(IDD_PROGRESS));
    HWND hwnd = dlg.m_hWnd;
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(win::isModalDialog(hwnd));
    dlg.SetDlgItemText(IDC_STATUS, "Half done");
    EXPECT_EQ(win::describeWindow(GetDlgItem(hwnd, IDC_STATUS)).text, "Half done");

    win::ScriptedInput script;
    script.click(IDD_PROGRESS, IDCANCEL);
    script.runModeless();
    EXPECT_FALSE(script.failed()) << script.failure();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(ModalDialogs, MissingTemplateGivesMinusOne) {
    CDialog dlg(9999);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(DialogBox(nullptr, MAKEINTRESOURCE(9999), nullptr, nullptr), -1);
    EXPECT_EQ(CreateDialog(nullptr, MAKEINTRESOURCE(9999), nullptr, nullptr), nullptr);
    EXPECT_NE(win::lastDialogError().find("9999"), std::string::npos);
    EXPECT_TRUE(win::topLevelWindows().empty());
}

TEST_F(ModalDialogs, ControlOfUnknownClassFailsTheDialog) {
    CDialog dlg(IDD_BROKEN);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_NE(win::lastDialogError().find("NoSuchClass"), std::string::npos);
    EXPECT_TRUE(win::topLevelWindows().empty());
}

TEST_F(ModalDialogs, ExhaustedScriptEndsTheDialogAndNamesIt) {
    SampleDialog dlg;
    win::ScriptedInput script;
    win::setInputSource(&script);
    script.type(IDD_SAMPLE, "Girder");
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(script.failed());
    std::string why = script.failure();
    EXPECT_NE(why.find("dialog 100 \"Sample\""), std::string::npos) << why;
    EXPECT_NE(why.find("step 1 (type \"Girder\""), std::string::npos) << why;
    EXPECT_EQ(dlg.name, "Beam");
    EXPECT_TRUE(win::topLevelWindows().empty());
}

TEST_F(ModalDialogs, ExhaustedScriptInsideANestedDialogClosesBoth) {
    SampleDialog dlg;
    win::ScriptedInput script;
    win::setInputSource(&script);
    script.click(IDD_SAMPLE, IDC_MORE);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.moreResult, -1);
    EXPECT_NE(script.failure().find("dialog 101 \"More\""), std::string::npos) << script.failure();
    EXPECT_NE(script.failure().find("dialog 100"), std::string::npos) << script.failure();
}

TEST_F(ModalDialogs, StepForAMissingControlFailsWithDialogAndId) {
    SampleDialog dlg;
    win::ScriptedInput script;
    win::setInputSource(&script);
    script.click(IDD_SAMPLE, 4242).click(IDD_SAMPLE, IDOK);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_NE(
        script.failure().find("step 1 (click control 4242 in dialog 100): dialog 100 \"Sample\" has no control 4242"),
        std::string::npos)
        << script.failure();
    EXPECT_EQ(script.stepsLeft(), 2u);  // the script stopped at the faulty step
}

TEST_F(ModalDialogs, StepForADialogThatIsNotOpenFails) {
    SampleDialog dlg;
    win::ScriptedInput script;
    win::setInputSource(&script);
    script.click(IDD_MORE, IDOK);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_NE(script.failure().find("dialog 101 is not open"), std::string::npos) << script.failure();
}

TEST_F(ModalDialogs, CloseBoxCancels) {
    SampleDialog dlg;
    TestScript script;
    script.close(IDD_SAMPLE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

static INT_PTR plainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hwnd, LOWORD(wParam) == IDOK ? 11 : 22);
        return TRUE;
    }
    return msg == WM_INITDIALOG;
}

TEST_F(ModalDialogs, DialogBoxWithADialogProcedure) {
    TestScript script;
    script.type(IDD_MORE, "x").key(IDD_MORE, VK_RETURN);
    EXPECT_EQ(DialogBox(nullptr, MAKEINTRESOURCE(IDD_MORE), nullptr, plainProc), 11);
}
