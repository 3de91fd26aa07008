// The standard controls as a person uses them: three-state boxes, combo boxes, check lists,
// list selections, tabs and edit fields.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/testing.h"

using win::testing::TestScript;

class Controls : public win::testing::WindowSystemTest {};

TEST_F(Controls, ThreeStateBoxCyclesThroughItsStates) {
    SampleDialog dlg;
    dlg.mixed = BST_UNCHECKED;
    TestScript script;
    std::vector<int> states;
    auto note = [&] { states.push_back(win::describeWindow(item(IDD_SAMPLE, IDC_MIXED)).check); };
    for (int i = 0; i < 3; ++i) script.click(IDD_SAMPLE, IDC_MIXED).inspect(note);
    script.click(IDD_SAMPLE, IDC_MIXED).click(IDD_SAMPLE, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(states, (std::vector<int>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}));
    EXPECT_EQ(dlg.mixed, BST_CHECKED);
}

TEST_F(Controls, TwoStateBoxTakesIndeterminateAsChecked) {
    SampleDialog dlg;
    TestScript script;
    script.inspect([] {
        HWND box = item(IDD_SAMPLE, IDC_ENABLED);
        SendMessage(box, BM_SETCHECK, BST_INDETERMINATE, 0);
        EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
}

TEST_F(Controls, ComboEditTextAgainstSelection) {
    SampleDialog dlg;
    TestScript script;
    auto combo = [] { return win::describeWindow(item(IDD_SAMPLE, IDC_KIND)); };
    script.choose(IDD_SAMPLE, IDC_KIND, "Steel").inspect([&] {
        EXPECT_EQ(combo().text, "Steel");
        EXPECT_EQ(combo().selection, 1);
        EXPECT_FALSE(combo().dropped);
    });
    // Typing replaces the selected text; the text is no entry any more.
    script.type(IDD_SAMPLE, "Tim").inspect([&] {
        EXPECT_EQ(combo().text, "Tim");
        EXPECT_EQ(combo().selection, -1);
    });
    // With the list open the first entry starting with the text is selected.
    script.key(IDD_SAMPLE, VK_F4).type(IDD_SAMPLE, "b").inspect([&] {
        EXPECT_TRUE(combo().dropped);
        EXPECT_EQ(combo().text, "Timb");
        EXPECT_EQ(combo().selection, 2);
    });
    script.key(IDD_SAMPLE, VK_RETURN).inspect([&] { EXPECT_FALSE(combo().dropped); });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.count(CBN_SELCHANGE), 1);
    EXPECT_EQ(dlg.count(CBN_DROPDOWN), 2);
    EXPECT_EQ(dlg.count(CBN_CLOSEUP), 2);
    EXPECT_EQ(dlg.count(CBN_EDITCHANGE), 4);
}

// Dialogs size a drop-down combo with the height of field and opened list together, as the desktop
// takes it: the field keeps its height and the list opens that far, so a person still chooses.
TEST_F(Controls, ComboSizedWithItsListKeepsItsFieldAndChooses) {
    SampleDialog dlg;
    TestScript script;
    int fieldHeight = 0;
    script.inspect([&] {
        HWND combo = item(IDD_SAMPLE, IDC_KIND);
        RECT r;
        GetWindowRect(combo, &r);
        fieldHeight = r.bottom - r.top;
        SetWindowPos(combo, nullptr, 0, 0, r.right - r.left, 200, SWP_NOMOVE | SWP_NOZORDER);
        GetWindowRect(combo, &r);
        EXPECT_EQ(r.bottom - r.top, fieldHeight);
    });
    script.choose(IDD_SAMPLE, IDC_KIND, 2).inspect([&] {
        EXPECT_EQ(win::describeWindow(item(IDD_SAMPLE, IDC_KIND)).selection, 2);
        EXPECT_FALSE(win::describeWindow(item(IDD_SAMPLE, IDC_KIND)).dropped);
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
}

TEST_F(Controls, ComboSetTextAndSetCurSelStayConsistent) {
    SampleDialog dlg;
    TestScript script;
    script.inspect([&] {
        dlg.kind.SetCurSel(2);
        EXPECT_EQ(dlg.kind.windowText(), "Timber");
        dlg.kind.SetWindowText("Oak");
        EXPECT_EQ(dlg.kind.GetCurSel(), -1);
        EXPECT_EQ(dlg.kind.FindStringExact(-1, "steel"), 1);
        EXPECT_EQ(dlg.kind.FindString(-1, "Ti"), 2);
        EXPECT_EQ(dlg.kind.FindStringExact(-1, "Ste"), CB_ERR);
        dlg.kind.SetItemData(1, 77);
        EXPECT_EQ(dlg.kind.GetItemData(1), 77u);
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
    EXPECT_TRUE(dlg.comboCodes.empty());  // changes from code notify nobody
}

TEST_F(Controls, CheckListMarksFollowClicksAndSpace) {
    SampleDialog dlg;
    TestScript script;
    auto marks = [] { return win::describeWindow(item(IDD_SAMPLE, IDC_PARTS)).checkMarks; };
    script.toggleCheck(IDD_SAMPLE, IDC_PARTS, 1).inspect([&] { EXPECT_EQ(marks(), (std::vector<int>{0, 1, 0})); });
    script.key(IDD_SAMPLE, VK_SPACE).inspect([&] { EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0})); });
    script.choose(IDD_SAMPLE, IDC_PARTS, 2).inspect([&] {
        EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0}));  // a click on the text selects only
        EXPECT_EQ(dlg.parts.GetCurSel(), 2);
    });
    script.toggleCheck(IDD_SAMPLE, IDC_PARTS, 0).key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
    EXPECT_EQ(dlg.checkChanges, 3);
}

class ListsDialog : public CDialog {
public:
    ListsDialog() : CDialog(IDD_LISTS) {}
    CListBox multi;
    CComboBox units;
    CTabCtrl tabs;
    bool refuseTabChange = false;
    std::vector<UINT> tabCodes;
    int listChanges = 0;
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_MULTI, multi);
        DDX_Control(dx, IDC_UNITS, units);
        DDX_Control(dx, IDC_TABS, tabs);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (int i = 0; i < 20; ++i) multi.AddString(("Row " + std::to_string(i)).c_str());
        for (const char* u : {"mm", "cm", "m", "inch"}) units.AddString(u);
        units.SetCurSel(0);
        tabs.InsertItem(0, "General");
        tabs.InsertItem(1, "Profiles");
        tabs.InsertItem(2, "Bolts");
        return TRUE;
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        if (nm->idFrom != IDC_TABS) return FALSE;
        tabCodes.push_back(nm->code);
        *result = nm->code == TCN_SELCHANGING && refuseTabChange;
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == IDC_MULTI && HIWORD(wParam) == LBN_SELCHANGE) ++listChanges;
        return CDialog::OnCommand(wParam, lParam);
    }
};

TEST_F(Controls, ExtendedSelectionWithShiftAndControl) {
    ListsDialog dlg;
    TestScript script;
    auto selected = [] { return win::describeWindow(item(IDD_LISTS, IDC_MULTI)).selected; };
    script.choose(IDD_LISTS, IDC_MULTI, 1).choose(IDD_LISTS, IDC_MULTI, 3, win::input::Shift).inspect([&] {
        EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3}));
    });
    script.choose(IDD_LISTS, IDC_MULTI, 2, win::input::Control).inspect([&] {
        EXPECT_EQ(selected(), (std::vector<int>{1, 3}));
        EXPECT_EQ(dlg.multi.GetSelCount(), 2);
    });
    script.click(IDD_LISTS, IDCANCEL);
    dlg.DoModal();
    EXPECT_EQ(dlg.listChanges, 3);
}

TEST_F(Controls, ListScrollsToAnEntryOutOfView) {
    ListsDialog dlg;
    TestScript script;
    script.choose(IDD_LISTS, IDC_MULTI, "Row 17").inspect([&] {
        win::WindowInfo list = win::describeWindow(item(IDD_LISTS, IDC_MULTI));
        EXPECT_EQ(list.selected, (std::vector<int>{17}));
        EXPECT_GT(list.topIndex, 0);
    });
    script.click(IDD_LISTS, IDCANCEL);
    dlg.DoModal();
}

TEST_F(Controls, DropDownListChoosesByClickAndByFirstLetter) {
    ListsDialog dlg;
    TestScript script;
    auto units = [] { return win::describeWindow(item(IDD_LISTS, IDC_UNITS)); };
    script.choose(IDD_LISTS, IDC_UNITS, 2).inspect([&] { EXPECT_EQ(units().text, "m"); });
    script.type(IDD_LISTS, "i").inspect([&] {
        EXPECT_EQ(units().selection, 3);
        EXPECT_EQ(units().text, "inch");
    });
    script.key(IDD_LISTS, VK_UP).inspect([&] { EXPECT_EQ(units().text, "m"); });
    script.click(IDD_LISTS, IDCANCEL);
    dlg.DoModal();
}

TEST_F(Controls, TabClickAsksTheParentAndCanBeRefused) {
    ListsDialog dlg;
    TestScript script;
    script.chooseTab(IDD_LISTS, IDC_TABS, 2).inspect([&] {
        EXPECT_EQ(dlg.tabs.GetCurSel(), 2);
        dlg.refuseTabChange = true;
    });
    script.chooseTab(IDD_LISTS, IDC_TABS, 0).inspect([&] { EXPECT_EQ(dlg.tabs.GetCurSel(), 2); });
    script.click(IDD_LISTS, IDCANCEL);
    dlg.DoModal();
    std::vector<UINT> expected{TCN_SELCHANGING, TCN_SELCHANGE, NM_CLICK, TCN_SELCHANGING, NM_CLICK};
    EXPECT_EQ(dlg.tabCodes, expected);
}

TEST_F(Controls, EditLimitReadOnlyAndClipboard) {
    MoreDialog dlg;
    dlg.text = "";
    TestScript script;
    script.inspect([] { SendMessage(item(IDD_MORE, IDC_MORE_TEXT), EM_LIMITTEXT, 5, 0); });
    script.type(IDD_MORE, "abcdefg").inspect([] {
        EXPECT_EQ(win::describeWindow(item(IDD_MORE, IDC_MORE_TEXT)).text, "abcde");
    });
    // Shift+Home selects back to the start; Ctrl+C copies; read-only refuses typing but copies.
    script.key(IDD_MORE, VK_HOME, win::input::Shift).key(IDD_MORE, 'C', win::input::Control).inspect([] {
        EXPECT_EQ(win::clipboardText(), "abcde");
        SendMessage(item(IDD_MORE, IDC_MORE_TEXT), EM_SETREADONLY, TRUE, 0);
    });
    script.type(IDD_MORE, "zz").key(IDD_MORE, VK_BACK).inspect([] {
        EXPECT_EQ(win::describeWindow(item(IDD_MORE, IDC_MORE_TEXT)).text, "abcde");
        SendMessage(item(IDD_MORE, IDC_MORE_TEXT), EM_SETREADONLY, FALSE, 0);
    });
    script.key(IDD_MORE, VK_END).key(IDD_MORE, VK_BACK).key(IDD_MORE, VK_BACK).key(IDD_MORE, 'V', win::input::Control);
    script.key(IDD_MORE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.text, "abcab");  // the paste was cut at the limit
}
