// Timers on the virtual clock: nothing sleeps, the test moves the clock.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/testing.h"

using win::testing::TestScript;

class Timers : public win::testing::WindowSystemTest {};

namespace {

// The close of a busy window is retried every 50 ms until it is no longer busy, with a timer
// that has no window, as the modal macro dialogs do.
struct DelayedClose {
    static inline HWND target = nullptr;
    static inline int busyTicks = 0;
    static inline int ticks = 0;
    static inline UINT_PTR timer = 0;
    static void tick(HWND, UINT, UINT_PTR id, DWORD) {
        ++ticks;
        KillTimer(nullptr, id);
        if (busyTicks > 0) {
            --busyTicks;
            timer = SetTimer(nullptr, 0, 50, tick);
            return;
        }
        DestroyWindow(target);
    }
};

}  // namespace

TEST_F(Timers, FiftyMillisecondRetryRunsThreeTimes) {
    HWND progress = CreateDialog(nullptr, MAKEINTRESOURCE(IDD_PROGRESS), nullptr, nullptr);
    ASSERT_NE(progress, nullptr);
    DelayedClose::target = progress;
    DelayedClose::busyTicks = 2;
    DelayedClose::ticks = 0;
    DelayedClose::timer = SetTimer(nullptr, 0, 50, DelayedClose::tick);
    EXPECT_NE(DelayedClose::timer, 0u);

    win::advanceClock(49);
    EXPECT_EQ(DelayedClose::ticks, 0);
    win::advanceClock(1);
    EXPECT_EQ(DelayedClose::ticks, 1);
    EXPECT_TRUE(IsWindow(progress));
    win::advanceClock(99);
    EXPECT_EQ(DelayedClose::ticks, 2);
    EXPECT_TRUE(IsWindow(progress));
    win::advanceClock(1);
    EXPECT_EQ(DelayedClose::ticks, 3);
    EXPECT_FALSE(IsWindow(progress));
    EXPECT_EQ(win::clockMs(), 150u);
    EXPECT_EQ(GetTickCount(), 150u);
    win::advanceClock(500);
    EXPECT_EQ(DelayedClose::ticks, 3);  // the last tick killed its timer
}

class TickingWindow : public CWnd {
public:
    std::vector<UINT_PTR> ticks;
    void OnTimer(UINT_PTR id) override { ticks.push_back(id); }
};

TEST_F(Timers, WindowTimersReachOnTimerAndStopWithKillTimerOrTheWindow) {
    TickingWindow wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "#32770", "ticks", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    wnd.SetTimer(7, 30);
    wnd.SetTimer(8, 100);
    win::advanceClock(100);
    EXPECT_EQ(wnd.ticks, (std::vector<UINT_PTR>{7, 7, 7, 8}));
    wnd.KillTimer(7);
    EXPECT_FALSE(wnd.KillTimer(7));
    win::advanceClock(100);
    EXPECT_EQ(wnd.ticks.size(), 5u);
    wnd.SetTimer(8, 100);  // setting again restarts the period
    win::advanceClock(99);
    EXPECT_EQ(wnd.ticks.size(), 5u);
    wnd.DestroyWindow();
    win::advanceClock(1000);
    EXPECT_EQ(wnd.ticks.size(), 5u);
}

class TimedDialog : public MoreDialog {
public:
    int ticks = 0;
    BOOL OnInitDialog() override {
        MoreDialog::OnInitDialog();
        SetTimer(1, 50);
        return TRUE;
    }
    void OnTimer(UINT_PTR) override { ++ticks; }
};

TEST_F(Timers, WaitStepInsideAModalLoopFiresTheDialogsTimer) {
    TimedDialog dlg;
    TestScript script;
    script.wait(120).inspect([&] { EXPECT_EQ(dlg.ticks, 2); }).wait(30).click(IDD_MORE, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.ticks, 3);
}
