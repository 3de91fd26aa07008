// Rectangles, coordinates, z-order, deferred moves, user resizing, hit-testing and the dump.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/draw.h"
#include "win/testing.h"

using win::testing::TestScript;

class Geometry : public win::testing::WindowSystemTest {};

TEST_F(Geometry, CaptionedWindowsHaveTheirClientAreaFiveInAndTwentyDown) {
    HWND top = CreateWindow("#32770", "Frame", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 50, 300, 200, nullptr, nullptr,
                            nullptr, nullptr);
    HWND child = CreateWindow("STATIC", "x", WS_CHILD | WS_VISIBLE, 10, 20, 30, 40, top, nullptr, nullptr, nullptr);
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(client, (RECT{0, 0, 290, 175}));
    POINT p{0, 0};
    ClientToScreen(top, &p);
    EXPECT_EQ(p, (POINT{105, 70}));
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r, (RECT{115, 90, 145, 130}));
    POINT q{115, 90};
    ScreenToClient(child, &q);
    EXPECT_EQ(q, (POINT{0, 0}));
    RECT adjusted{0, 0, 100, 100};
    AdjustWindowRectEx(&adjusted, WS_POPUP | WS_CAPTION | WS_THICKFRAME, FALSE, 0);
    EXPECT_EQ(adjusted, (RECT{-5, -20, 105, 105}));
}

TEST_F(Geometry, DeferredMovesApplyTogetherAndABadWindowSpoilsTheBatch) {
    HWND top = CreateWindow("#32770", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    HWND a = CreateWindow("BUTTON", "a", WS_CHILD, 0, 0, 10, 10, top, reinterpret_cast<HMENU>(1), nullptr, nullptr);
    HWND b = CreateWindow("BUTTON", "b", WS_CHILD, 0, 0, 10, 10, top, reinterpret_cast<HMENU>(2), nullptr, nullptr);
    HDWP dwp = BeginDeferWindowPos(2);
    dwp = DeferWindowPos(dwp, a, nullptr, 5, 6, 20, 21, SWP_NOZORDER);
    dwp = DeferWindowPos(dwp, b, nullptr, 50, 60, 70, 80, SWP_NOZORDER);
    RECT before;
    GetWindowRect(a, &before);
    EXPECT_EQ(before.right - before.left, 10);  // nothing moves before the end
    EXPECT_TRUE(EndDeferWindowPos(dwp));
    EXPECT_EQ(win::describeWindow(a).rectInParent, (RECT{5, 6, 25, 27}));
    EXPECT_EQ(win::describeWindow(b).rectInParent, (RECT{50, 60, 120, 140}));
    HDWP spoiled = DeferWindowPos(BeginDeferWindowPos(1), reinterpret_cast<HWND>(0x7777), nullptr, 0, 0, 1, 1, 0);
    EXPECT_EQ(spoiled, nullptr);
    EXPECT_FALSE(EndDeferWindowPos(spoiled));
}

TEST_F(Geometry, ZOrderFollowsCreationAndSetWindowPos) {
    HWND top = CreateWindow("#32770", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    HWND a = CreateWindow("BUTTON", "a", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
    HWND b = CreateWindow("BUTTON", "b", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
    HWND c = CreateWindow("BUTTON", "c", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
    EXPECT_EQ(win::childWindows(top), (std::vector<HWND>{a, b, c}));
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(a, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(win::childWindows(top), (std::vector<HWND>{c, b, a}));
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(top, GW_CHILD), c);
}

namespace {
class SizableDialog : public CDialog {
public:
    SizableDialog() : CDialog(IDD_SIZABLE) {}
    std::vector<CSize> sizes;
    void OnGetMinMaxInfo(MINMAXINFO* info) override { info->ptMinTrackSize = POINT{200, 150}; }
    void OnSize(UINT, int cx, int cy) override { sizes.push_back(CSize(cx, cy)); }
};
}  // namespace

TEST_F(Geometry, UserResizeHonoursTheMinimumTrackingSize) {
    SizableDialog dlg;
    TestScript script;
    // The OK button is outside the shrunk window now: only the keyboard reaches it.
    script.resize(IDD_SIZABLE, 500, 400).resize(IDD_SIZABLE, 50, 50).key(IDD_SIZABLE, VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_GE(dlg.sizes.size(), 3u);
    EXPECT_EQ(dlg.sizes[0], CSize(300, 200));  // at creation: the template's client size
    EXPECT_EQ(dlg.sizes[dlg.sizes.size() - 2], CSize(490, 375));
    EXPECT_EQ(dlg.sizes.back(), CSize(190, 125));
}

TEST_F(Geometry, ComboWindowIsItsClosedFieldAndTheListHangsBelow) {
    SampleDialog dlg;
    TestScript script;
    script.inspect([] {
        HWND combo = item(IDD_SAMPLE, IDC_KIND);
        RECT window, list;
        GetWindowRect(combo, &window);
        EXPECT_EQ(window.bottom - window.top, 22);
        SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
        EXPECT_EQ(list.top, window.top);
        EXPECT_GT(list.bottom, window.bottom);
        EXPECT_LE(list.bottom - list.top, 120);
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
}

TEST_F(Geometry, DisabledChildPassesTheClickToItsParentAndStaticsAreTransparent) {
    class Surface : public CWnd {
    public:
        std::vector<CPoint> clicks;
        void OnLButtonDown(UINT, CPoint p) override { clicks.push_back(p); }
    } surface;
    ASSERT_TRUE(surface.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200), nullptr, 0));
    CButton button;
    button.Create("b", WS_VISIBLE | WS_DISABLED, CRect(10, 10, 60, 40), &surface, 5);
    CStatic label;
    label.Create("l", WS_VISIBLE, CRect(100, 10, 150, 40), &surface, 6);
    win::input::click(button, POINT{5, 5});
    win::input::click(label, POINT{5, 5});
    win::pumpMessages();
    EXPECT_EQ(surface.clicks, (std::vector<CPoint>{CPoint(15, 15), CPoint(105, 15)}));
}

TEST_F(Geometry, DisablingTheFocusedControlTakesTheFocusAway) {
    SampleDialog dlg;
    TestScript script;
    script.inspect([] {
        HWND name = item(IDD_SAMPLE, IDC_NAME);
        EXPECT_EQ(GetFocus(), name);
        EnableWindow(name, FALSE);
        EXPECT_EQ(GetFocus(), nullptr);
    });
    // With no focused control the keys go to the active dialog itself.
    script.key(IDD_SAMPLE, VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(Geometry, TreeDumpShowsWhatAPersonSees) {
    SampleDialog dlg;
    TestScript script;
    script.click(IDD_SAMPLE, IDC_ENABLED).inspect([] {
        std::string dump = win::dumpWindowTree();
        EXPECT_NE(dump.find("dialog [#32770] template 100 \"Sample\""), std::string::npos) << dump;
        EXPECT_NE(dump.find("  check #1003 \"&Enabled\" (10,70 100x18) focused checked"), std::string::npos) << dump;
        EXPECT_NE(dump.find("items{[ ]\"Plate\", [ ]\"Bolt\", [ ]\"Weld\"}"), std::string::npos) << dump;
        EXPECT_NE(dump.find("default push #1 \"OK\""), std::string::npos) << dump;
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
}

TEST_F(Geometry, SystemColoursAndMetrics) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(win::brushColor(GetSysColorBrush(COLOR_HIGHLIGHT)), RGB(10, 36, 106));
    EXPECT_EQ(win::resolveColor(0x8000000F), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME), 20);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
}
