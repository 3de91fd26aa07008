#include "host/acui_dialog.h"

#include <gtest/gtest.h>

#include "host/command_line.h"
#include "host/drawing_database.h"
#include "host/main_window.h"
#include "host/pick_input.h"
#include "host/picks.h"
#include "host/window_system_picks.h"
#include "win/testing.h"

namespace {

constexpr int kPickDialog = 9100, kPickButton = 500;
constexpr int kTabDialog = 9200, kTabControl = 8097, kPageOne = 9201, kPageTwo = 9202;

win::ResourceTable makeTable() {
    win::ResourceTable table;
    table.name = "host-ui-test";
    win::DialogTemplate pick;
    pick.id = kPickDialog;
    pick.caption = "Pick";
    pick.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
    pick.cx = 200;
    pick.cy = 100;
    pick.controls = {{kPickButton, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 10, 10, 80, 24, "Pick"},
                     {IDOK, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 100, 10, 80, 24, "OK"}};
    table.dialogs[kPickDialog] = pick;

    win::DialogTemplate tabs;
    tabs.id = kTabDialog;
    tabs.caption = "Tabs";
    tabs.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    tabs.cx = 300;
    tabs.cy = 220;
    tabs.controls = {
        {kTabControl, "SysTabControl32", WS_CHILD | WS_VISIBLE, 0, 10, 10, 280, 160, ""},
        {IDOK, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 210, 180, 80, 24, "OK"}};
    table.dialogs[kTabDialog] = tabs;
    for (int id : {kPageOne, kPageTwo}) {
        win::DialogTemplate page;
        page.id = id;
        page.style = WS_CHILD;
        page.cx = 100;
        page.cy = 100;
        page.controls = {{100, "EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 5, 5, 80, 20, ""}};
        table.dialogs[id] = page;
    }
    return table;
}

class AcUiDialogTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        win::registerResourceTable(&table_);
        host::useWindowSystemPicks();
        host::DrawingDatabase::instance().reset();
    }
    void TearDown() override {
        win::unregisterResourceTable(&table_);
        host::DrawingDatabase::instance().reset();
        WindowSystemTest::TearDown();
    }
    win::ResourceTable table_ = makeTable();
};

// Picks a point through an editor command when its button is clicked, noting what the person
// could see while the drawing had the input.
class PickDialog : public CAcUiDialog {
public:
    PickDialog() : CAcUiDialog(kPickDialog) {}
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != kPickButton) return CAcUiDialog::OnCommand(wParam, lParam);
        began = BeginEditorCommand();
        refusedSecondBegin = !BeginEditorCommand();
        visibleDuringPick = IsWindowVisible();
        mainEnabledDuringPick = ::IsWindowEnabled(host::mainWindowHandle());
        picked = host::pickPoint("Point:", point);
        CompleteEditorCommand();
        return TRUE;
    }
    BOOL began = FALSE;
    bool refusedSecondBegin = false, visibleDuringPick = true, mainEnabledDuringPick = false, picked = false;
    host::Point3d point;
};

}  // namespace

TEST_F(AcUiDialogTest, EditorCommandHandsTheDrawingOverAndTakesItBack) {
    PickDialog dialog;
    win::testing::TestScript script;
    bool visibleAfter = false, mainBlockedAfter = false;
    script.click(kPickDialog, kPickButton);
    host::answerPick(script, {1, 2, 3});
    script
        .inspect([&] {
            visibleAfter = dialog.IsWindowVisible();
            mainBlockedAfter = !::IsWindowEnabled(host::mainWindowHandle());
        })
        .click(kPickDialog, IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.began);
    EXPECT_TRUE(dialog.refusedSecondBegin);
    EXPECT_FALSE(dialog.visibleDuringPick);
    EXPECT_TRUE(dialog.mainEnabledDuringPick);
    EXPECT_TRUE(dialog.picked);
    EXPECT_EQ(dialog.point, (host::Point3d{1, 2, 3}));
    EXPECT_TRUE(visibleAfter);
    EXPECT_TRUE(mainBlockedAfter);
    EXPECT_TRUE(::IsWindowEnabled(host::mainWindowHandle()));  // the modal loop is over
    EXPECT_EQ(host::DrawingDatabase::instance().logText(), "1 pick #0 point = (1, 2, 3)\n");
}

TEST_F(AcUiDialogTest, CancelledPickStillBringsTheDialogBack) {
    PickDialog dialog;
    win::testing::TestScript script;
    bool visibleAfter = false;
    script.click(kPickDialog, kPickButton);
    host::cancelPick(script);
    script.inspect([&] { visibleAfter = dialog.IsWindowVisible(); }).click(kPickDialog, IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(dialog.picked);
    EXPECT_TRUE(visibleAfter);
}

// The drawing reads the typed answer as the pick's kind needs it; text it cannot read is
// refused on the command line and the pick waits for the next answer.
TEST_F(AcUiDialogTest, PicksAreTypedAtTheDrawingsPrompt) {
    PickDialog dialog;
    win::testing::TestScript script;
    script.click(kPickDialog, kPickButton).type(0, "1,two").key(0, VK_RETURN);
    host::answerPick(script, {4.5, -6});
    script.click(kPickDialog, IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.picked);
    EXPECT_EQ(dialog.point, (host::Point3d{4.5, -6, 0}));
    EXPECT_NE(host::CommandLine::instance().text().find("*Invalid input* \"1,two\""), std::string::npos);

    win::testing::TestScript more;
    host::answerPick(more, {42, 1, 2, 3});
    more.type(0, "0,0,0,0,0,1").key(0, VK_RETURN);
    more.type(0, "1,2").key(0, VK_RETURN);  // a plane needs six or nine numbers
    host::cancelPick(more);
    AcDbObjectId object;
    host::Point3d at;
    EXPECT_TRUE(host::pickObject("Object:", object, at));
    EXPECT_EQ(object, AcDbObjectId::fromOldId(42));
    EXPECT_EQ(at, (host::Point3d{1, 2, 3}));
    host::Plane plane;
    EXPECT_TRUE(host::pickPlane("Plane:", plane));
    EXPECT_EQ(plane.origin, (host::Point3d{0, 0, 0}));
    EXPECT_EQ(plane.xAxis.z, 0.0);  // axes at right angles to the typed normal
    EXPECT_EQ(plane.yAxis.z, 0.0);
    EXPECT_FALSE(host::pickPlane("Plane:", plane));
    EXPECT_EQ(host::pickAnswerText({0.1, 2, -3.5}), "0.1,2,-3.5");
}

TEST_F(AcUiDialogTest, EditorCommandNeedsAWindow) {
    PickDialog dialog;
    EXPECT_FALSE(dialog.BeginEditorCommand());
    dialog.CompleteEditorCommand();  // nothing running: nothing happens
    EXPECT_FALSE(dialog.inEditorCommand());
}

namespace {

class Page : public CAcUiTabChildDialog {
public:
    explicit Page(UINT id) : CAcUiTabChildDialog(id) {}
    void OnTabActivation(BOOL activate) override { (activate ? activations : deactivations)++; }
    BOOL OnTabChanging() override { return refuseToLeave ? FALSE : TRUE; }
    int activations = 0, deactivations = 0;
    bool refuseToLeave = false;
};

class TabDialog : public CAcUiTabMainDialog {
public:
    TabDialog() : CAcUiTabMainDialog(kTabDialog) {}
    BOOL OnInitDialog() override {
        CAcUiTabMainDialog::OnInitDialog();
        added = SetAcadTabControl(kTabControl) && AddTab(0, "One", kPageOne, &one) && AddTab(1, "Two", kPageTwo, &two);
        return TRUE;
    }
    Page one{kPageOne}, two{kPageTwo};
    bool added = false;
};

}  // namespace

TEST_F(AcUiDialogTest, TabsShowOnePageAtATime) {
    TabDialog dialog;
    win::testing::TestScript script;
    int activeAfterClick = -1;
    bool oneVisible = true, twoVisible = false;
    script.chooseTab(kTabDialog, kTabControl, 1)
        .inspect([&] {
            activeAfterClick = dialog.GetActiveTab();
            oneVisible = dialog.one.IsWindowVisible();
            twoVisible = dialog.two.IsWindowVisible();
            dialog.two.refuseToLeave = true;
        })
        .chooseTab(kTabDialog, kTabControl, 0)
        .inspect([&] { EXPECT_EQ(dialog.GetActiveTab(), 1) << "the page refused to be left"; })
        .click(kTabDialog, IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.added);
    EXPECT_EQ(activeAfterClick, 1);
    EXPECT_FALSE(oneVisible);
    EXPECT_TRUE(twoVisible);
    EXPECT_EQ(dialog.one.activations, 1);
    EXPECT_EQ(dialog.one.deactivations, 1);
    EXPECT_EQ(dialog.two.activations, 1);
    EXPECT_EQ(dialog.GetTabCount(), 0);  // pages are let go with the window
    EXPECT_EQ(dialog.one.m_hWnd, nullptr);
}

TEST_F(AcUiDialogTest, MainWindowComesBackAfterAReset) {
    HWND first = host::mainWindowHandle();
    ASSERT_TRUE(IsWindow(first));
    EXPECT_EQ(AfxGetMainWnd(), host::mainWindow());
    win::resetWindowSystem();
    HWND second = adsw_acadMainWnd();
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(acedGetAcadFrame()->m_hWnd, second);
}

// A page lies over the tab control: a click on a page's field reaches the field (the tab
// control, made before the pages, used to take it).
TEST_F(AcUiDialogTest, AClickOnAPageFieldReachesIt) {
    TabDialog dialog;
    win::testing::TestScript script;
    bool focused = false;
    script.click(kPageOne, 100)
        .inspect([&] { focused = ::GetFocus() == dialog.one.GetDlgItem(100)->m_hWnd; })
        .click(kTabDialog, IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(focused);
}

namespace {

// Zooms through an editor command that keeps the dialog in sight.
class ZoomDialog : public CAcUiDialog {
public:
    ZoomDialog() : CAcUiDialog(kPickDialog) {}
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != kPickButton) return CAcUiDialog::OnCommand(wParam, lParam);
        BeginEditorCommand(false);
        visibleDuringCommand = IsWindowVisible() != FALSE;
        CompleteEditorCommand();
        return TRUE;
    }
    bool visibleDuringCommand = false;
};

}  // namespace

TEST_F(AcUiDialogTest, AnEditorCommandMayKeepTheDialogVisible) {
    ZoomDialog dialog;
    win::testing::TestScript script;
    script.click(kPickDialog, kPickButton).click(kPickDialog, IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.visibleDuringCommand);
}
