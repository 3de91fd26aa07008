// The keyboard a dialog writer relies on, driven as a person types: mnemonics (Alt+letter, a
// plain letter on a button, letters in message boxes), Alt+F4, Alt+Down on a combo box, Enter
// in a multi-line field that wants it, undo of a typing run, moving and selecting by words,
// and data exchange that names the first bad field only.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/testing.h"

using win::input::Alt;
using win::input::Control;
using win::input::Shift;
using win::testing::TestScript;

namespace {

class FieldsDialog : public CDialog {
public:
    FieldsDialog() : CDialog(IDD_FIELDS) {}
    int width = 10;
    int height = 20;
    std::string notes;
    int againClicks = 0;
    bool askOnAgain = false;
    int answer = 0;

    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_WIDTH, width);
        DDV_MinMaxInt(dx, width, 1, 100);
        DDX_Text(dx, IDC_HEIGHT, height);
        DDV_MinMaxInt(dx, height, 1, 100);
        DDX_Text(dx, IDC_NOTES, notes);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ::SendDlgItemMessage(m_hWnd, IDC_STYLE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Solid"));
        ::SendDlgItemMessage(m_hWnd, IDC_STYLE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Dashed"));
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == IDC_AGAIN && HIWORD(wParam) == BN_CLICKED) {
            ++againClicks;
            if (askOnAgain) answer = MessageBox("Again?", "Fields", MB_YESNO | MB_ICONQUESTION);
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

win::WindowInfo field(int id) { return win::describeWindow(item(IDD_FIELDS, id)); }

class KeyboardGuarantees : public win::testing::WindowSystemTest {};

TEST_F(KeyboardGuarantees, AltLetterReachesLabelledFieldsButtonsChecksRadiosAndGroups) {
    FieldsDialog dlg;
    TestScript script;
    script.key(IDD_FIELDS, 'H', Alt).inspect([] {
        EXPECT_EQ(focusedId(), IDC_HEIGHT);
        EXPECT_EQ(field(IDC_HEIGHT).selStart, 0);
        EXPECT_EQ(field(IDC_HEIGHT).selEnd, 2);  // "20" selected for retyping
    });
    // From Height on, "&Angle:" labels a disabled field and "&Apply" is disabled: both are
    // skipped, so Alt+A clicks "&Again", once.
    script.key(IDD_FIELDS, 'A', Alt).inspect([&] {
        EXPECT_EQ(dlg.againClicks, 1);
        EXPECT_EQ(focusedId(), IDC_AGAIN);
    });
    // While a button has the focus, the plain letter acts as Alt+letter.
    script.type(IDD_FIELDS, "w").inspect([] {
        EXPECT_EQ(focusedId(), IDC_WIDTH);
        EXPECT_EQ(field(IDC_WIDTH).selEnd, 2);
    });
    // In an edit field the letter is typed.
    script.type(IDD_FIELDS, "a").inspect([&] {
        EXPECT_EQ(field(IDC_WIDTH).text, "a");
        EXPECT_EQ(dlg.againClicks, 1);
    });
    script.key(IDD_FIELDS, 'B', Alt).inspect([] {
        EXPECT_EQ(focusedId(), IDC_BOLD);
        EXPECT_EQ(field(IDC_BOLD).check, BST_CHECKED);
    });
    script.key(IDD_FIELDS, 'B', Alt).inspect([] { EXPECT_EQ(field(IDC_BOLD).check, BST_UNCHECKED); });
    script.key(IDD_FIELDS, 'K', Alt).inspect([] {
        EXPECT_EQ(field(IDC_THICK).check, BST_CHECKED);
        EXPECT_EQ(field(IDC_THIN).check, BST_UNCHECKED);
    });
    script.key(IDD_FIELDS, 'T', Alt).inspect([] {
        EXPECT_EQ(field(IDC_THIN).check, BST_CHECKED);
        EXPECT_EQ(field(IDC_THICK).check, BST_UNCHECKED);
    });
    // The group box hands the focus to the first control of its group, without clicking it.
    script.key(IDD_FIELDS, 'O', Alt).inspect([] {
        EXPECT_EQ(focusedId(), IDC_BOLD);
        EXPECT_EQ(field(IDC_BOLD).check, BST_UNCHECKED);
    });
    script.key(IDD_FIELDS, VK_F4, Alt);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);  // Alt+F4 is Cancel
    EXPECT_EQ(dlg.width, 10);
}

TEST_F(KeyboardGuarantees, LettersAnswerMessageBoxesAndAltArrowsOpenAndCloseComboLists) {
    FieldsDialog dlg;
    dlg.askOnAgain = true;
    TestScript script;
    script.key(IDD_FIELDS, 'A', Alt).type(0, "n").inspect([&] {
        EXPECT_EQ(dlg.answer, IDNO);
        EXPECT_EQ(dlg.againClicks, 1);
    });
    script.click(IDD_FIELDS, IDC_STYLE).key(IDD_FIELDS, VK_ESCAPE).inspect([] {
        EXPECT_FALSE(field(IDC_STYLE).dropped);
        EXPECT_EQ(focusedId(), IDC_STYLE);
    });
    script.key(IDD_FIELDS, VK_DOWN, Alt).inspect([] { EXPECT_TRUE(field(IDC_STYLE).dropped); });
    script.key(IDD_FIELDS, VK_UP, Alt).inspect([] { EXPECT_FALSE(field(IDC_STYLE).dropped); });
    script.key(IDD_FIELDS, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(KeyboardGuarantees, EnterBreaksTheLineInAMultiLineFieldThatWantsIt) {
    FieldsDialog dlg;
    TestScript script;
    script.click(IDD_FIELDS, IDC_NOTES).type(IDD_FIELDS, "x = 1\ny = 2").inspect([] {
        EXPECT_EQ(field(IDC_NOTES).text, "x = 1\r\ny = 2");
        EXPECT_NE(win::findOpenDialog(IDD_FIELDS), nullptr);
    });
    script.click(IDD_FIELDS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.notes, "x = 1\r\ny = 2");
}

TEST_F(KeyboardGuarantees, CtrlZUndoesTheWholeTypingRun) {
    FieldsDialog dlg;
    TestScript script;
    // The focus arrives with "10" selected; typing replaces it in one run.
    script.type(IDD_FIELDS, "42").key(IDD_FIELDS, 'Z', Control).inspect([] { EXPECT_EQ(field(IDC_WIDTH).text, "10"); });
    script.key(IDD_FIELDS, VK_END).type(IDD_FIELDS, "5").key(IDD_FIELDS, VK_LEFT).type(IDD_FIELDS, "7");
    script.inspect([] { EXPECT_EQ(field(IDC_WIDTH).text, "1075"); });
    // A caret move ended the first run: undo takes back the "7" only.
    script.key(IDD_FIELDS, 'Z', Control).inspect([] { EXPECT_EQ(field(IDC_WIDTH).text, "105"); });
    script.key(IDD_FIELDS, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(KeyboardGuarantees, CtrlArrowsMoveAndSelectByWords) {
    FieldsDialog dlg;
    TestScript script;
    script.click(IDD_FIELDS, IDC_NOTES).type(IDD_FIELDS, "alpha beta gamma").key(IDD_FIELDS, VK_HOME);
    script.key(IDD_FIELDS, VK_RIGHT, Control).inspect([] { EXPECT_EQ(field(IDC_NOTES).selStart, 6); });
    script.key(IDD_FIELDS, VK_RIGHT, Control).inspect([] { EXPECT_EQ(field(IDC_NOTES).selEnd, 11); });
    script.key(IDD_FIELDS, VK_LEFT, Control | Shift).inspect([] {
        EXPECT_EQ(field(IDC_NOTES).selStart, 6);
        EXPECT_EQ(field(IDC_NOTES).selEnd, 11);
    });
    script.type(IDD_FIELDS, "delta ").key(IDD_FIELDS, VK_END).key(IDD_FIELDS, VK_LEFT, Control);
    script.key(IDD_FIELDS, VK_RIGHT, Control | Shift).inspect([] {
        EXPECT_EQ(field(IDC_NOTES).text, "alpha delta gamma");
        EXPECT_EQ(field(IDC_NOTES).selStart, 12);
        EXPECT_EQ(field(IDC_NOTES).selEnd, 17);
    });
    script.key(IDD_FIELDS, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(KeyboardGuarantees, DataExchangeNamesTheFirstBadFieldAndSelectsItForRetyping) {
    FieldsDialog dlg;
    TestScript script;
    size_t boxes = 0;
    script.inspect([&] { boxes = win::messageBoxHistory().size(); });
    script.type(IDD_FIELDS, "abc").key(IDD_FIELDS, VK_TAB).type(IDD_FIELDS, "xyz");
    script.click(IDD_FIELDS, IDOK).answerMessageBox(IDOK).inspect([&] {
        EXPECT_EQ(win::messageBoxHistory().size(), ++boxes);  // one message, not one per field
        EXPECT_EQ(focusedId(), IDC_WIDTH);
        EXPECT_EQ(field(IDC_WIDTH).selStart, 0);
        EXPECT_EQ(field(IDC_WIDTH).selEnd, 3);
    });
    // A value out of range: the focus goes to that field, not to OK, so Enter does not submit
    // the same value again.
    script.type(IDD_FIELDS, "50").key(IDD_FIELDS, VK_TAB).type(IDD_FIELDS, "500");
    script.key(IDD_FIELDS, VK_TAB).type(IDD_FIELDS, "notes");  // a field behind the bad one
    script.click(IDD_FIELDS, IDOK).answerMessageBox(IDOK).inspect([&] {
        EXPECT_EQ(win::messageBoxHistory().size(), ++boxes);
        EXPECT_EQ(focusedId(), IDC_HEIGHT);
        EXPECT_EQ(field(IDC_HEIGHT).selStart, 0);
        EXPECT_EQ(field(IDC_HEIGHT).selEnd, 3);
    });
    script.type(IDD_FIELDS, "60").key(IDD_FIELDS, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.width, 50);
    EXPECT_EQ(dlg.height, 60);
}

}  // namespace
