// Popup menus as windows taking clicks and keys, and the rectangle tracker's drags.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/draw.h"
#include "win/testing.h"

using win::testing::TestScript;

class MenusAndTracker : public win::testing::WindowSystemTest {};

// A drawing surface: right-click opens a menu; a left press on the tracker drags it, elsewhere
// spans a rubber band.
class CanvasDialog : public CDialog {
public:
    CanvasDialog() : CDialog(IDD_CANVAS) {}
    CRectTracker tracker{CRect(100, 100, 160, 140), CRectTracker::solidLine | CRectTracker::resizeInside};
    std::vector<UINT> commands;
    BOOL tracked = FALSE;
    CRect band;
    BOOL banded = FALSE;
    UINT menuFlags = 0;
    UINT returned = 0;

    void OnRButtonDown(UINT, CPoint point) override {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 501, "&Copy");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING | MF_GRAYED, 502, "&Paste");
        menu.AppendMenu(MF_STRING, 503, "&Delete");
        ClientToScreen(&point);
        returned = static_cast<UINT>(menu.TrackPopupMenu(menuFlags, point.x, point.y, this));
    }
    void OnLButtonDown(UINT, CPoint point) override {
        if (tracker.HitTest(point) != CRectTracker::hitNothing) {
            tracked = tracker.Track(this, point);
        } else {
            CRectTracker rubber;
            banded = rubber.TrackRubberBand(this, point);
            band = rubber.m_rect;
            band.NormalizeRect();
        }
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) >= 500 && LOWORD(wParam) < 600) {
            commands.push_back(LOWORD(wParam));
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnPaint() override {
        CPaintDC dc(this);
        tracker.Draw(&dc);
    }
};

TEST_F(MenusAndTracker, PopupMenuItemChosenReachesTheOwner) {
    CanvasDialog dlg;
    TestScript script;
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).chooseMenuItem(503).click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.commands, (std::vector<UINT>{503}));
    ASSERT_EQ(win::popupMenuHistory().size(), 1u);
    const win::PopupMenuRecord& menu = win::popupMenuHistory()[0];
    ASSERT_EQ(menu.items.size(), 4u);
    EXPECT_EQ(menu.items[0].text, "&Copy");
    EXPECT_TRUE(menu.items[1].separator);
    EXPECT_TRUE(menu.items[2].grayed);
    EXPECT_EQ(menu.chosen, 503u);
}

TEST_F(MenusAndTracker, GrayedItemAndDismissedMenuChooseNothing) {
    CanvasDialog dlg;
    dlg.menuFlags = TPM_RETURNCMD;
    TestScript script;
    // A click on a grayed item leaves the menu open, as on the desktop; Escape closes it.
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).chooseMenuItem(502).dismissMenu().inspect([&] {
        EXPECT_EQ(dlg.returned, 0u);
    });
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).dismissMenu().inspect([&] { EXPECT_EQ(dlg.returned, 0u); });
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).chooseMenuItem(501).inspect([&] { EXPECT_EQ(dlg.returned, 501u); });
    script.click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.commands.empty());  // TPM_RETURNCMD posts nothing
    EXPECT_FALSE(script.notes().empty());
}

// The open menu is a window above the dialog: it has the mouse, so a click elsewhere closes it
// and goes no further (the OK button is not pressed).
TEST_F(MenusAndTracker, ClickOutsideTheOpenMenuClosesItAndGoesNoFurther) {
    CanvasDialog dlg;
    win::ScriptedInput script;
    win::setInputSource(&script);
    HWND menuWindow = nullptr;
    std::string kind;
    win::PopupMenuState state;
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40})
        .inspect([&] {
            menuWindow = win::openPopupMenu();
            kind = win::describeWindow(menuWindow).kind;
            win::describePopupMenu(menuWindow, state);
        })
        .click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_NE(script.failure().find("was still open"), std::string::npos) << script.failure();
    ASSERT_NE(menuWindow, nullptr);
    EXPECT_EQ(kind, "menu");
    EXPECT_EQ(state.items.size(), 4u);
    EXPECT_EQ(state.hot, -1);
    EXPECT_FALSE(IsWindow(menuWindow));
    EXPECT_EQ(win::popupMenuHistory().back().chosen, 0u);
    EXPECT_TRUE(dlg.commands.empty());
}

TEST_F(MenusAndTracker, ArrowKeysEnterMnemonicsAndEscapeWorkTheOpenMenu) {
    CanvasDialog dlg;
    TestScript script;
    int hotAfterArrows = -1;
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40})
        .key(IDD_CANVAS, VK_DOWN)    // Copy
        .key(IDD_CANVAS, VK_DOWN)    // the separator is passed over: Paste (grayed)
        .key(IDD_CANVAS, VK_RETURN)  // a grayed item cannot be chosen; the menu stays open
        .key(IDD_CANVAS, VK_DOWN)    // Delete
        .inspect([&] {
            win::PopupMenuState state;
            win::describePopupMenu(win::openPopupMenu(), state);
            hotAfterArrows = state.hot;
        })
        .key(IDD_CANVAS, VK_RETURN);
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).type(IDD_CANVAS, "c");
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).key(IDD_CANVAS, VK_ESCAPE);
    script.click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(hotAfterArrows, 3);
    EXPECT_EQ(dlg.commands, (std::vector<UINT>{503, 501}));
    EXPECT_EQ(win::popupMenuHistory().size(), 3u);
    EXPECT_EQ(win::popupMenuHistory()[2].chosen, 0u);
}

TEST_F(MenusAndTracker, MenuStepsWithoutAnOpenMenuFail) {
    CanvasDialog dlg;
    win::ScriptedInput script;
    win::setInputSource(&script);
    script.chooseMenuItem(501);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_NE(script.failure().find("step 1 (choose menu item 501): no popup menu is open"), std::string::npos)
        << script.failure();
    CanvasDialog second;
    win::ScriptedInput other;
    win::setInputSource(&other);
    other.rightClick(IDD_CANVAS, 0, POINT{30, 40}).chooseMenuItem(999);
    EXPECT_EQ(second.DoModal(), -1);
    EXPECT_NE(other.failure().find("the popup menu has no item 999"), std::string::npos) << other.failure();
    win::setInputSource(nullptr);
}

TEST_F(MenusAndTracker, RubberBandSpansTheDraggedRectangle) {
    CanvasDialog dlg;
    TestScript script;
    script.mouseDown(IDD_CANVAS, 0, POINT{250, 200})
        .mouseMove(IDD_CANVAS, 0, POINT{220, 150})
        .mouseUp(IDD_CANVAS, 0, POINT{180, 120})
        .click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.banded);
    EXPECT_EQ(dlg.band, CRect(180, 120, 250, 200));
}

TEST_F(MenusAndTracker, DragMovesAndHandleResizesTheTracker) {
    CanvasDialog dlg;
    TestScript script;
    script.mouseDown(IDD_CANVAS, 0, POINT{120, 120})
        .mouseMove(IDD_CANVAS, 0, POINT{140, 125})
        .mouseUp(IDD_CANVAS, 0, POINT{150, 130});
    script.inspect([&] {
        EXPECT_TRUE(dlg.tracked);
        EXPECT_EQ(dlg.tracker.m_rect, CRect(130, 110, 190, 150));
        EXPECT_EQ(dlg.tracker.HitTest(CPoint(188, 148)), CRectTracker::hitBottomRight);
    });
    script.mouseDown(IDD_CANVAS, 0, POINT{188, 148}).mouseUp(IDD_CANVAS, 0, POINT{208, 158});
    script.click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.tracker.m_rect, CRect(130, 110, 210, 160));
}

TEST_F(MenusAndTracker, EscapeCancelsADrag) {
    CanvasDialog dlg;
    TestScript script;
    script.mouseDown(IDD_CANVAS, 0, POINT{120, 120}).mouseMove(IDD_CANVAS, 0, POINT{200, 200});
    script.key(IDD_CANVAS, VK_ESCAPE).inspect([&] {
        EXPECT_FALSE(dlg.tracked);
        EXPECT_EQ(dlg.tracker.m_rect, CRect(100, 100, 160, 140));
        EXPECT_EQ(GetCapture(), nullptr);
    });
    script.mouseUp(IDD_CANVAS, 0, POINT{200, 200}).click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(MenusAndTracker, TrackerDrawsItsFrameAndHandles) {
    CanvasDialog dlg;
    TestScript script;
    script.inspect([] {
        win::updateAllWindows();
        auto records = win::paintRecords(win::findOpenDialog(IDD_CANVAS));
        int frames = 0, handles = 0;
        for (const win::DrawRecord& r : records) {
            if (r.kind == win::DrawRecord::Kind::TrackerFrame) {
                ++frames;
                EXPECT_EQ(r.rect, (RECT{100, 100, 160, 140}));
            }
            if (r.kind == win::DrawRecord::Kind::TrackerHandle) ++handles;
        }
        EXPECT_EQ(frames, 1);
        EXPECT_EQ(handles, 8);
    });
    script.click(IDD_CANVAS, IDOK);
    dlg.DoModal();
}
