// A template running on a dialog: its windows, values by id, read-only fields, the Tab key and
// the flex buttons.
#include "designer/kv_dlg_designer_data.h"
#include "designer_test_support.h"
#include "win/input.h"
#include "win/readback.h"

using namespace designer_test;

namespace {

class TemplateRunning : public DesignerTest {
protected:
    void SetUp() override {
        DesignerTest::SetUp();
        writePicture("run.bmp", 200, 100);
        dialog_ = openHostDialog();
        ASSERT_TRUE(data_.attachBitmap(templatePath("run.bmp")));
    }
    void TearDown() override {
        data_.removeAllDrawnCtrls();
        DesignerTest::TearDown();
    }
    void start(bool designMode = false) {
        ASSERT_TRUE(data_.initialize(dialog_, 33000, 33099, 0, 0, 0, 0, 0, designMode));
    }
    HWND window(int id) const { return GetDlgItem(dialog_, id); }
    Kv_String value(int id) const {
        Kv_String text = "unset";
        EXPECT_TRUE(data_.getCtrlValue(id, text));
        return text;
    }

    HWND dialog_ = nullptr;
    Kv_DlgDesignerData data_;
};

TEST_F(TemplateRunning, NothingIsDrawnBeforeInitialize) {
    EXPECT_FALSE(data_.initialize(nullptr, 33000, 33099, 0, 0, 0, 0, 0, false));
    EXPECT_FALSE(data_.drawControl(makeControl(kCtrlVariableEdit, 0, 0, 0.1, 0.1)));
    EXPECT_EQ(data_.getDlgPtr(), nullptr);
}

TEST_F(TemplateRunning, WindowsHaveTheClassAndStyleOfTheirType) {
    start();
    data_.append(makeControl(kCtrlVariableEdit, 0.1, 0.1, 0.3, 0.2, "WIDTH"));
    data_.append(makeControl(kCtrlFlexButton, 0.1, 0.3, 0.3, 0.4, "FIX"));
    data_.append(makeControl(kCtrlBoltCount1, 0.1, 0.5, 0.3, 0.6));
    data_.append(makeControl(static_cast<Kv_ControlType>(99), 0.1, 0.7, 0.3, 0.8, "odd"));
    Kv_DesignerControl disabled = makeControl(kCtrlVariableEdit, 0.5, 0.1, 0.7, 0.2);
    disabled.disabled = 1;
    data_.append(disabled);
    data_.redrawAllControls();

    const win::WindowInfo edit = win::describeWindow(window(33000));
    EXPECT_EQ(edit.className, "EDIT");
    EXPECT_EQ(edit.text, "WIDTH");
    EXPECT_TRUE(edit.exStyle & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(edit.style & ES_AUTOHSCROLL);
    EXPECT_EQ(edit.rectInParent, (RECT{20, 10, 60, 20}));
    const win::WindowInfo flex = win::describeWindow(window(33001));
    EXPECT_EQ(flex.className, "BUTTON");
    EXPECT_EQ(flex.style & (BS_PUSHLIKE | BS_ICON), BS_PUSHLIKE | BS_ICON);
    EXPECT_TRUE(win::describeWindow(window(33002)).style & ES_MULTILINE);
    EXPECT_EQ(win::describeWindow(window(33003)).className, "STATIC");
    EXPECT_FALSE(IsWindowEnabled(window(33004)));
    EXPECT_TRUE(IsWindowEnabled(window(33000)));
}

// The height a combo box was created with is its field plus its opened list.
LONG openedComboHeight(HWND combo) {
    RECT dropped;
    SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    return dropped.bottom - dropped.top;
}

Kv_DesignerControl longCombo() {
    Kv_DesignerControl combo = makeControl(kCtrlVariableCombo, 0.1, 0.1, 0.3, 0.28);  // 18 pixels high
    for (int i = 0; i < 40; ++i) combo.items.append(Kv_String(i));
    return combo;
}

TEST_F(TemplateRunning, ComboOpensTwoHundredPixelsOutsideDesignMode) {
    start(false);
    data_.append(longCombo());
    data_.redrawAllControls();
    EXPECT_EQ(openedComboHeight(window(33000)), 200);
}

TEST_F(TemplateRunning, DesignModeKeepsTheFieldHeightAndDisablesWindows) {
    start(true);
    data_.append(longCombo());
    data_.append(makeControl(kCtrlLabel, 0.5, 0.1, 0.7, 0.28, "Label"));
    data_.redrawAllControls();
    EXPECT_LT(openedComboHeight(window(33000)), 100);
    EXPECT_FALSE(IsWindowEnabled(window(33000)));
    EXPECT_TRUE(IsWindowEnabled(window(33001)));
    // Saving reads positions back; the combo keeps its 18 pixels, not its window's field height.
    ASSERT_TRUE(data_.writeToFile(templatePath("combo.txt")));
    EXPECT_DOUBLE_EQ(data_.getHeight(*data_.getControl(0)), 18.0);
}

TEST_F(TemplateRunning, CombosFillFromItemsOrListFileWithExactSelection) {
    start();
    writeFile(templateFolder() / "lists" / "sizes.txt", "M12\r\nm16\r\nM16\r\n");
    Kv_DesignerControl fromItems = makeControl(kCtrlVariableCombo, 0, 0, 0.2, 0.1, "b");
    fromItems.items = Kv_StringArray{"a", "B", "b"};
    Kv_DesignerControl fromFile = makeControl(kCtrlProfile, 0, 0.2, 0.2, 0.3, "M16");
    fromFile.listText = (templateFolder() / "lists" / "sizes.txt").string();
    Kv_DesignerControl missingFile = makeControl(kCtrlVariableCombo, 0, 0.4, 0.2, 0.5, "typed");
    missingFile.listText = "/nowhere/list.txt";
    data_.append(fromItems);
    data_.append(fromFile);
    data_.append(missingFile);
    data_.redrawAllControls();

    const win::WindowInfo items = win::describeWindow(window(33000));
    EXPECT_EQ(items.items, (std::vector<std::string>{"a", "B", "b"}));
    EXPECT_EQ(items.selection, 2);  // exact match, not the first that differs only in case
    const win::WindowInfo file = win::describeWindow(window(33001));
    EXPECT_EQ(file.items, (std::vector<std::string>{"M12", "m16", "M16"}));
    EXPECT_EQ(file.selection, 2);
    const win::WindowInfo missing = win::describeWindow(window(33002));
    EXPECT_TRUE(missing.items.empty());
    EXPECT_EQ(missing.text, "typed");
}

TEST_F(TemplateRunning, CheckBoxValuesIncludingUndetermined) {
    start();
    Kv_DesignerControl box = makeControl(kCtrlCheckBox, 0, 0, 0.2, 0.1, "Flag");
    box.listText = "1";
    data_.append(box);
    data_.redrawAllControls();
    EXPECT_EQ(value(33000), "1");  // the list text gives the first value

    const Kv_String mixed = dialString(695);
    ASSERT_TRUE(data_.setCtrlValue(33000, mixed));
    EXPECT_EQ(value(33000), mixed);
    EXPECT_EQ(win::describeWindow(window(33000)).kind, "3state");
    for (const char* text : {"0.5", "2.5", "1"}) {
        ASSERT_TRUE(data_.setCtrlValue(33000, text));
        EXPECT_EQ(value(33000), "1") << text;
    }
    EXPECT_EQ(win::describeWindow(window(33000)).kind, "check");
    for (const char* text : {"0", "-3", "yes"}) {
        ASSERT_TRUE(data_.setCtrlValue(33000, text));
        EXPECT_EQ(value(33000), "0") << text;
    }
}

TEST_F(TemplateRunning, ChoiceListValueIsTheSelectedIndex) {
    start();
    data_.append(makeControl(kCtrlChoice, 0, 0, 0.2, 0.1, "3"));
    data_.redrawAllControls();
    const win::WindowInfo choice = win::describeWindow(window(33000));
    ASSERT_EQ(choice.items.size(), 5u);
    EXPECT_EQ(choice.items[4], dialString(695).str());
    EXPECT_EQ(value(33000), "3");
    ASSERT_TRUE(data_.setCtrlValue(33000, "1"));
    EXPECT_EQ(value(33000), "1");
}

TEST_F(TemplateRunning, CellButtonsIgnoreValuesAndOthersTakeText) {
    start();
    data_.append(makeControl(kCtrlCellButton, 0, 0, 0.2, 0.1, "Calc"));
    data_.append(makeControl(kCtrlArrayValue1, 0, 0.2, 0.2, 0.3, "A"));
    data_.redrawAllControls();
    EXPECT_TRUE(data_.setCtrlValue(33000, "new"));
    EXPECT_EQ(value(33000), "Calc");
    EXPECT_TRUE(data_.setCtrlValue(33001, "12.5"));
    EXPECT_EQ(value(33001), "12.5");
    Kv_String untouched = "x";
    EXPECT_FALSE(data_.getCtrlValue(33099, untouched));
    EXPECT_FALSE(data_.setCtrlValue(IDOK, "not ours"));
    EXPECT_EQ(untouched, "x");
}

TEST_F(TemplateRunning, ReadOnlyOnlyForVariableFields) {
    start();
    data_.append(makeControl(kCtrlVariableEdit, 0, 0, 0.2, 0.1, "A"));
    data_.append(makeControl(kCtrlArrayValue1, 0, 0.2, 0.2, 0.3, "B"));
    data_.redrawAllControls();
    EXPECT_TRUE(data_.setCtrlReadOnly(33000, true));
    EXPECT_FALSE(IsWindowEnabled(window(33000)));
    EXPECT_TRUE(data_.setCtrlReadOnly(33000, true));
    EXPECT_TRUE(data_.setCtrlReadOnly(33000, false));
    EXPECT_TRUE(IsWindowEnabled(window(33000)));
    EXPECT_FALSE(data_.setCtrlReadOnly(33001, true));
    EXPECT_TRUE(IsWindowEnabled(window(33001)));
}

TEST_F(TemplateRunning, QueriesByIdAndName) {
    start();
    data_.append(makeControl(kCtrlLabel, 0, 0, 0.2, 0.1, "W"));
    data_.append(makeControl(kCtrlVariableCombo, 0, 0.2, 0.2, 0.3, "W"));
    data_.append(makeControl(kCtrlBoltCount2, 0, 0.4, 0.2, 0.5));
    data_.redrawAllControls();
    int index = -1;
    EXPECT_TRUE(data_.findEditCtrlWithContents("W", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(data_.findEditCtrlWithContents("w", index));
    EXPECT_TRUE(data_.isTypeBoltCount(33002));
    EXPECT_FALSE(data_.isTypeBoltCount(33001));
    EXPECT_TRUE(data_.isADynControl(33001));
    EXPECT_FALSE(data_.isADynControl(IDOK));
    Kv_ControlType type = kCtrlLabel;
    EXPECT_TRUE(data_.getDynControlType(33001, type));
    EXPECT_EQ(type, kCtrlVariableCombo);
    EXPECT_TRUE(data_.removeDrawnControl(33001));
    EXPECT_FALSE(data_.isADynControl(33001));
    EXPECT_EQ(data_.getNrControls(), 3);
    EXPECT_EQ(window(33001), nullptr);
}

class TemplateTabKey : public TemplateRunning {
protected:
    void SetUp() override {
        TemplateRunning::SetUp();
        start();
        data_.append(makeControl(kCtrlVariableEdit, 0.5, 0.1, 0.7, 0.2, "second"));  // order 2
        data_.append(makeControl(kCtrlVariableEdit, 0.1, 0.1, 0.3, 0.2, "first"));   // order 1
        data_.append(makeControl(kCtrlLabel, 0.1, 0.3, 0.3, 0.4, "label"));
        data_.append(makeControl(kCtrlVariableEdit, 0.1, 0.5, 0.3, 0.6, "third"));  // order 3
        data_.redrawAllControls();
    }
    Kv_TabMsgHandle tab(bool shift, bool& handled) {
        if (shift) win::input::keyDown(VK_SHIFT);
        win::pumpMessages();
        Kv_TabMsgHandle result = kTabHandled;
        handled = data_.handleTabKey(VK_TAB, result);
        if (shift) win::input::keyUp(VK_SHIFT);
        win::pumpMessages();
        return result;
    }
};

TEST_F(TemplateTabKey, TabFollowsTheRowOrderAndReportsTheEnds) {
    ASSERT_TRUE(data_.setFocusToCtrl(true));
    EXPECT_EQ(GetFocus(), window(33001));
    bool handled = false;
    EXPECT_EQ(tab(false, handled), kTabHandled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(GetFocus(), window(33000));
    // The whole text of the field is selected, ready to be typed over.
    EXPECT_EQ(win::describeWindow(window(33000)).selStart, 0);
    EXPECT_EQ(win::describeWindow(window(33000)).selEnd, 6);
    EXPECT_EQ(tab(false, handled), kTabHandled);
    EXPECT_EQ(GetFocus(), window(33003));
    EXPECT_EQ(tab(false, handled), kTabPastLast);
    EXPECT_TRUE(handled);
    EXPECT_EQ(GetFocus(), window(33003));
}

TEST_F(TemplateTabKey, ShiftTabGoesBackAndReportsTheStart) {
    ASSERT_TRUE(data_.setFocusToCtrl(false));
    EXPECT_EQ(GetFocus(), window(33003));
    bool handled = false;
    EXPECT_EQ(tab(true, handled), kTabHandled);
    EXPECT_EQ(GetFocus(), window(33000));
    EXPECT_EQ(tab(true, handled), kTabHandled);
    EXPECT_EQ(GetFocus(), window(33001));
    EXPECT_EQ(tab(true, handled), kTabBeforeFirst);
    EXPECT_TRUE(handled);
}

TEST_F(TemplateTabKey, KeysOutsideTheTemplateAreNotHandled) {
    SetFocus(window(IDOK));
    bool handled = true;
    EXPECT_EQ(tab(false, handled), kTabNotHandled);
    EXPECT_FALSE(handled);
    SetFocus(window(33001));
    Kv_TabMsgHandle result = kTabHandled;
    EXPECT_FALSE(data_.handleTabKey(VK_RETURN, result));
    EXPECT_EQ(result, kTabNotHandled);
}

TEST_F(TemplateTabKey, NoEnabledControlMeansNoFocus) {
    for (int i = 0; i < data_.getNrControls(); ++i) data_.getControlWrite(i)->disabled = 1;
    SetFocus(window(33001));
    EXPECT_FALSE(data_.setFocusToCtrl(true));
    bool handled = true;
    EXPECT_EQ(tab(false, handled), kTabNotHandled);
    EXPECT_FALSE(handled);
}

class TemplateFlexButtons : public TemplateRunning {
protected:
    void SetUp() override {
        TemplateRunning::SetUp();
        // The module's flex icon comes from the module's resources; tests bring their own.
        icons_.name = "designer-test";
        const std::string bmp = makeBmp(16, 16, [](int, int) { return 0x3060A0u; });
        icons_.icons[239].assign(bmp.begin(), bmp.end());
        win::registerResourceTable(&icons_);
        start();
        addFlex("g1", "A", "");
        addFlex("g2", "B", "");
        addFlex("g1", "C", "mark");
        data_.append(makeControl(kCtrlVariableEdit, 0.8, 0.8, 0.9, 0.9, "A"));
        data_.redrawAllControls();
    }
    void TearDown() override {
        TemplateRunning::TearDown();
        win::unregisterResourceTable(&icons_);
    }
    void addFlex(const char* group, const char* variable, const char* mark) {
        Kv_DesignerControl c = makeControl(kCtrlFlexButton, 0.1 * data_.getNrControls(), 0,
                                           0.1 * data_.getNrControls() + 0.05, 0.1, variable);
        c.flexText1 = group;
        c.flexText3 = mark;
        data_.append(c);
    }
    win::ResourceTable icons_;
};

TEST_F(TemplateFlexButtons, GroupsAndMembers) {
    Kv_StringArray groups{"stale"};
    data_.getFlexBtnsGroups(groups);
    EXPECT_EQ(groups.join(","), "g1,g2");
    Kv_Array<int> all{9}, marked{9};
    EXPECT_TRUE(data_.getFlexBtnsInGroup("g1", all, marked));
    EXPECT_EQ(all, (Kv_Array<int>{0, 2}));
    EXPECT_EQ(marked, (Kv_Array<int>{2}));
    EXPECT_TRUE(data_.getFlexBtnsInGroup("", all, marked));
    EXPECT_TRUE(all.isEmpty());
    EXPECT_TRUE(marked.isEmpty());
    Kv_StringArray vars;
    data_.getAllFlexVarsOfGroup("g1", vars);
    EXPECT_EQ(vars.join(","), "A,C");
    int index = -1;
    EXPECT_TRUE(data_.findFlexButton("g1", "C", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(data_.findFlexButton("g2", "A", index));
    Kv_String group, variable;
    EXPECT_TRUE(data_.getFlexBtnGroupName(33001, group, variable));
    EXPECT_EQ(group, "g2");
    EXPECT_EQ(variable, "B");
    EXPECT_FALSE(data_.getFlexBtnGroupName(33003, group, variable));  // an edit field
}

TEST_F(TemplateFlexButtons, StatusToggleAndMixedClears) {
    EXPECT_NE(win::describeWindow(window(33000)).icon, nullptr);
    EXPECT_TRUE(data_.setFlexBtnStatus("g1", "A", 1));
    int state = -1;
    EXPECT_TRUE(data_.getFlexBtnStatus(0, state));
    EXPECT_EQ(state, 1);
    EXPECT_TRUE(data_.setFlexBtnStatus("g1", "A", 2));
    EXPECT_TRUE(data_.getFlexBtnStatus(0, state));
    EXPECT_EQ(state, 0);
    EXPECT_FALSE(data_.setFlexBtnStatus("g1", "B", 1));
    EXPECT_FALSE(data_.getFlexBtnStatus(3, state));  // not a flex button
    EXPECT_FALSE(data_.getFlexBtnStatus(17, state));

    // A click toggles it, as a person would.
    win::input::clickCenter(window(33002));
    win::pumpMessages();
    EXPECT_TRUE(data_.getFlexBtnStatus(2, state));
    EXPECT_EQ(state, 1);
}

TEST_F(TemplateFlexButtons, HideAllHidesOnlyTheGroup) {
    EXPECT_TRUE(data_.hideAllFlexBtns("g1"));
    EXPECT_FALSE(IsWindowVisible(window(33000)));
    EXPECT_FALSE(IsWindowVisible(window(33002)));
    EXPECT_TRUE(IsWindowVisible(window(33001)));
}

}  // namespace
