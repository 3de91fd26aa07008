// Popup menus chosen through the input source, and the rectangle tracker's drags.

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
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).chooseMenuItem(502).inspect([&] { EXPECT_EQ(dlg.returned, 0u); });
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).dismissMenu().inspect([&] { EXPECT_EQ(dlg.returned, 0u); });
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).chooseMenuItem(501).inspect([&] { EXPECT_EQ(dlg.returned, 501u); });
    script.click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.commands.empty());  // TPM_RETURNCMD posts nothing
    EXPECT_FALSE(script.notes().empty());
}

TEST_F(MenusAndTracker, MenuWithoutAMenuStepFailsTheScript) {
    CanvasDialog dlg;
    win::ScriptedInput script;
    win::setInputSource(&script);
    script.rightClick(IDD_CANVAS, 0, POINT{30, 40}).click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_NE(script.failure().find("a popup menu opened, but the next step is step 2"), std::string::npos) << script.failure();
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
    script.mouseDown(IDD_CANVAS, 0, POINT{120, 120}).mouseMove(IDD_CANVAS, 0, POINT{140, 125}).mouseUp(IDD_CANVAS, 0, POINT{150, 130});
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
