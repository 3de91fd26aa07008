// The dialog keyboard interface driven through the input seam: Tab order, Enter, Escape,
// radio groups, the default push button.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/testing.h"

using win::testing::TestScript;

class DialogKeyboard : public win::testing::WindowSystemTest {};

TEST_F(DialogKeyboard, TabVisitsTabStopsInOrderAndShiftTabGoesBack) {
    SampleDialog dlg;
    std::vector<int> seen;
    TestScript script;
    auto note = [&] { seen.push_back(focusedId()); };
    script.inspect(note);
    for (int i = 0; i < 10; ++i) script.key(IDD_SAMPLE, VK_TAB).inspect(note);
    script.key(IDD_SAMPLE, VK_TAB, win::input::Shift).inspect(note);
    script.key(IDD_SAMPLE, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // Statics and the group box are skipped; the radio group is one stop; Tab wraps around.
    std::vector<int> expected{IDC_NAME,  IDC_VALUE, IDC_ENABLED, IDC_LEFT, IDC_MIXED, IDC_KIND,
                              IDC_PARTS, IDOK,      IDCANCEL,    IDC_MORE, IDC_NAME,  IDC_MORE};
    EXPECT_EQ(seen, expected);
}

TEST_F(DialogKeyboard, TabIntoEditSelectsItsWholeText) {
    SampleDialog dlg;
    TestScript script;
    script.key(IDD_SAMPLE, VK_TAB).inspect([] {
        win::WindowInfo v = win::describeWindow(item(IDD_SAMPLE, IDC_VALUE));
        EXPECT_TRUE(v.focused);
        EXPECT_EQ(v.text, "7");
        EXPECT_EQ(v.selStart, 0);
        EXPECT_EQ(v.selEnd, 1);
    });
    script.type(IDD_SAMPLE, "42").key(IDD_SAMPLE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.value, 42);
}

TEST_F(DialogKeyboard, EnterPressesTheDefaultButtonAndKeepsTheData) {
    SampleDialog dlg;
    TestScript script;
    script.inspect([] { EXPECT_EQ(win::defaultButton(win::findOpenDialog(IDD_SAMPLE)), item(IDD_SAMPLE, IDOK)); });
    script.type(IDD_SAMPLE, "Column").key(IDD_SAMPLE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.name, "Column");  // typing replaced the selected proposal
}

TEST_F(DialogKeyboard, EnterOnAFocusedPushButtonPressesThatButton) {
    SampleDialog dlg;
    TestScript script;
    for (int i = 0; i < 8; ++i) script.key(IDD_SAMPLE, VK_TAB);
    script.inspect([] {
        // The focused push button shows as the default one while it has the focus.
        EXPECT_EQ(focusedId(), IDCANCEL);
        EXPECT_EQ(win::defaultButton(win::findOpenDialog(IDD_SAMPLE)), item(IDD_SAMPLE, IDCANCEL));
    });
    script.key(IDD_SAMPLE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogKeyboard, DefaultButtonReturnsToOkWhenFocusLeavesPushButtons) {
    SampleDialog dlg;
    TestScript script;
    auto defaultId = [] { return GetDlgCtrlID(win::defaultButton(win::findOpenDialog(IDD_SAMPLE))); };
    for (int i = 0; i < 9; ++i) script.key(IDD_SAMPLE, VK_TAB);
    script.inspect([&] { EXPECT_EQ(defaultId(), IDC_MORE); });
    script.key(IDD_SAMPLE, VK_TAB).inspect([&] {
        EXPECT_EQ(focusedId(), IDC_NAME);
        EXPECT_EQ(defaultId(), IDOK);
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogKeyboard, EscapeCancelsWithoutTakingTheTypedText) {
    SampleDialog dlg;
    TestScript script;
    script.type(IDD_SAMPLE, "Changed").key(IDD_SAMPLE, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.name, "Beam");
}

TEST_F(DialogKeyboard, ArrowsMoveAndCheckWithinTheRadioGroup) {
    SampleDialog dlg;
    TestScript script;
    auto checked = [](int id) { return IsDlgButtonChecked(win::findOpenDialog(IDD_SAMPLE), id) == BST_CHECKED; };
    script.click(IDD_SAMPLE, IDC_LEFT).key(IDD_SAMPLE, VK_DOWN).inspect([&] {
        EXPECT_EQ(focusedId(), IDC_CENTRE);
        EXPECT_TRUE(checked(IDC_CENTRE));
        EXPECT_FALSE(checked(IDC_LEFT));
    });
    script.key(IDD_SAMPLE, VK_DOWN).key(IDD_SAMPLE, VK_DOWN).inspect([&] {
        EXPECT_EQ(focusedId(), IDC_LEFT);  // wraps within the group, never leaves it
        EXPECT_TRUE(checked(IDC_LEFT));
    });
    script.key(IDD_SAMPLE, VK_UP).inspect([&] { EXPECT_TRUE(checked(IDC_RIGHT)); });
    // Tab leaves the group; Shift+Tab comes back to the checked button, not the first one.
    script.key(IDD_SAMPLE, VK_TAB).key(IDD_SAMPLE, VK_TAB, win::input::Shift).inspect([] {
        EXPECT_EQ(focusedId(), IDC_RIGHT);
    });
    script.key(IDD_SAMPLE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.alignment, 2);
}

TEST_F(DialogKeyboard, EnterDoesNothingWhileTheDefaultButtonIsDisabled) {
    SampleDialog dlg;
    dlg.disableOk = true;
    TestScript script;
    script.key(IDD_SAMPLE, VK_RETURN).inspect([] { EXPECT_NE(win::findOpenDialog(IDD_SAMPLE), nullptr); });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogKeyboard, SpaceTogglesTheFocusedCheckBox) {
    SampleDialog dlg;
    TestScript script;
    script.key(IDD_SAMPLE, VK_TAB).key(IDD_SAMPLE, VK_TAB).key(IDD_SAMPLE, VK_SPACE).key(IDD_SAMPLE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.enabled, BST_CHECKED);
}
