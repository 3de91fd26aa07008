#include <gtest/gtest.h>

#include "frame/dlg_text_entry.h"
#include "frame/module_resource_scope.h"
#include "frame/text_entry_launcher.h"
#include "frame_test_support.h"
#include "frame/text_entry_ids.h"
#include "win/readback.h"

namespace {

class TextEntryDialogTest : public FrameTest {
protected:
    HWND dialog() const { return win::findOpenDialog(IDD_TEXT_ENTRY); }
    win::WindowInfo control(int id) const { return win::describeWindow(GetDlgItem(dialog(), id)); }
};

TEST_F(TextEntryDialogTest, OpensWithTextsFromFieldsAndProposalFullySelected) {
    frame::TextEntryRequest request;
    request.title = "New beam";
    request.prompt = "Name of the beam:";
    request.text = "Beam 12";
    request.okText = "Take";
    request.cancelText = "Leave";
    script.inspect([&] {
        ASSERT_NE(dialog(), nullptr);
        EXPECT_EQ(win::describeWindow(dialog()).text, "New beam");
        EXPECT_EQ(control(IDC_TEXT_ENTRY_PROMPT).text, "Name of the beam:");
        EXPECT_EQ(control(IDOK).text, "Take");
        EXPECT_EQ(control(IDCANCEL).text, "Leave");
        win::WindowInfo edit = control(IDC_TEXT_ENTRY_EDIT);
        EXPECT_EQ(edit.text, "Beam 12");
        EXPECT_TRUE(edit.focused);
        EXPECT_TRUE(edit.visible);
        EXPECT_EQ(edit.selStart, 0);
        EXPECT_EQ(edit.selEnd, 7);
    });
    script.click(IDD_TEXT_ENTRY, IDCANCEL);
    EXPECT_FALSE(frame::askForText(request));
}

TEST_F(TextEntryDialogTest, TypingReplacesTheProposalAndIsTakenUntrimmed) {
    frame::TextEntryRequest request;
    request.text = "Beam 12";
    script.type(IDD_TEXT_ENTRY, "  Main girder ").click(IDD_TEXT_ENTRY, IDOK);
    EXPECT_TRUE(frame::askForText(request));
    EXPECT_EQ(request.text, "  Main girder ");
    EXPECT_TRUE(request.confirmed);
}

TEST_F(TextEntryDialogTest, EmptyOkIsRefusedWhenTextIsRequired) {
    frame::TextEntryRequest request;
    request.text = "Beam 12";
    bool stillOpenAfterOk = false;
    script
        .key(IDD_TEXT_ENTRY, VK_DELETE)  // the whole proposal is selected
        .click(IDD_TEXT_ENTRY, IDOK)
        .key(IDD_TEXT_ENTRY, VK_RETURN)
        .inspect([&] {
            stillOpenAfterOk = dialog() != nullptr && IsWindowVisible(dialog());
            EXPECT_EQ(control(IDC_TEXT_ENTRY_EDIT).text, "");
        })
        .click(IDD_TEXT_ENTRY, IDCANCEL);
    EXPECT_FALSE(frame::askForText(request));
    EXPECT_TRUE(stillOpenAfterOk);
    EXPECT_EQ(request.text, "Beam 12");
    EXPECT_FALSE(request.confirmed);
}

TEST_F(TextEntryDialogTest, WithoutRequiredTextTheFieldIsHiddenAndOkClosesAtOnce) {
    frame::TextEntryRequest request;
    request.text = "kept";
    request.textRequired = false;
    script.inspect([&] { EXPECT_FALSE(control(IDC_TEXT_ENTRY_EDIT).visible); })
        .type(IDD_TEXT_ENTRY, "ignored")
        .click(IDD_TEXT_ENTRY, IDOK);
    EXPECT_TRUE(frame::askForText(request));
    EXPECT_EQ(request.text, "kept");
    EXPECT_TRUE(request.confirmed);
}

TEST_F(TextEntryDialogTest, EmptyTextIsAcceptedWhenNotRequired) {
    frame::TextEntryRequest request;
    request.textRequired = false;
    script.click(IDD_TEXT_ENTRY, IDOK);
    EXPECT_TRUE(frame::askForText(request));
    EXPECT_EQ(request.text, "");
}

TEST_F(TextEntryDialogTest, CancelAndEscapeLeaveTextAsItWas) {
    for (bool byEscape : {false, true}) {
        frame::TextEntryRequest request;
        request.text = "Beam 12";
        script.type(IDD_TEXT_ENTRY, "changed");
        if (byEscape)
            script.key(IDD_TEXT_ENTRY, VK_ESCAPE);
        else
            script.click(IDD_TEXT_ENTRY, IDCANCEL);
        EXPECT_FALSE(frame::askForText(request)) << "escape: " << byEscape;
        EXPECT_EQ(request.text, "Beam 12");
    }
}

TEST_F(TextEntryDialogTest, DialogResultIsOneOnOkAndTwoOnCancel) {
    frame::ModuleResourceScope scope;
    CDlgTextEntry entry;
    entry.text = "x";
    script.click(IDD_TEXT_ENTRY, IDOK);
    EXPECT_EQ(entry.DoModal(), 1);
    CDlgTextEntry cancelled;
    script.click(IDD_TEXT_ENTRY, IDCANCEL);
    EXPECT_EQ(cancelled.DoModal(), 2);
    EXPECT_FALSE(cancelled.confirmed);
}

}  // namespace
