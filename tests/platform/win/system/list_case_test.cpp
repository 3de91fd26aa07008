// List and combo boxes ignore case for every letter of the code page, as a person typing an
// accented letter expects.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/testing.h"

using win::testing::TestScript;

namespace {

class AccentedListsDialog : public CDialog {
public:
    AccentedListsDialog() : CDialog(IDD_LISTS) {}
    CListBox multi;
    CComboBox units;
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_MULTI, multi);
        DDX_Control(dx, IDC_UNITS, units);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const char* text : {"Abc", "\xC4RGER", "Zeile"}) multi.AddString(text);  // ÄRGER
        for (const char* text : {"Anker", "\xD6se", "Zange", "\xC4RGER"}) units.AddString(text);
        units.SetCurSel(0);
        return TRUE;
    }
};

class ListCase : public win::testing::WindowSystemTest {};

}  // namespace

TEST_F(ListCase, TypingAnAccentedLetterFindsTheEntryInEitherCase) {
    AccentedListsDialog dlg;
    TestScript script;
    auto units = [] { return win::describeWindow(item(IDD_LISTS, IDC_UNITS)); };
    script.choose(IDD_LISTS, IDC_UNITS, 0).type(IDD_LISTS, "\xF6").inspect([&] {  // ö
        EXPECT_EQ(units().selection, 1);
        EXPECT_EQ(units().text, "\xD6se");
    });
    script.type(IDD_LISTS, "\xE4").inspect([&] { EXPECT_EQ(units().text, "\xC4RGER"); });  // ä finds ÄRGER
    script.click(IDD_LISTS, IDCANCEL);
    dlg.DoModal();
}

TEST_F(ListCase, FindStringCallsFoldAccentedLetters) {
    AccentedListsDialog dlg;
    TestScript script;
    script.inspect([] {
        HWND list = item(IDD_LISTS, IDC_MULTI);
        HWND combo = item(IDD_LISTS, IDC_UNITS);
        auto text = [](const char* t) { return reinterpret_cast<LPARAM>(t); };
        EXPECT_EQ(SendMessage(list, LB_FINDSTRING, static_cast<WPARAM>(-1), text("\xE4rger")), 1);  // ärger
        EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text("\xE4rger")), 1);
        EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text("arger")), LB_ERR);
        EXPECT_EQ(SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text("\xF6SE")), 1);  // öSE
        EXPECT_EQ(SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text("\xE4rger")), 3);
        EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), text("\xF6")), 1);
    });
    script.click(IDD_LISTS, IDCANCEL);
    dlg.DoModal();
}
