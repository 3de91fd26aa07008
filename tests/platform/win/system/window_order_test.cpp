// Which window a person's input reaches: owned and topmost windows stay above their owner when
// it is activated, the input after a dialog ends itself goes to the window underneath, and a
// window's move reports where its client area now is.

#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/testing.h"

using win::testing::TestScript;

namespace {

class WindowOrder : public win::testing::WindowSystemTest {};

// A dialog that closes itself when its timer fires.
class SelfClosing : public CDialog {
public:
    explicit SelfClosing(CWnd* parent) : CDialog(IDD_MORE, parent) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetTimer(1, 50, nullptr);
        return TRUE;
    }
    void OnTimer(UINT_PTR) override {
        KillTimer(1);
        EndDialog(IDOK);
    }
};

class OpensSelfClosing : public SampleDialog {
public:
    INT_PTR childResult = 0;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == IDC_MORE && HIWORD(wParam) == BN_CLICKED) {
            SelfClosing child(this);
            childResult = child.DoModal();
            return TRUE;
        }
        return SampleDialog::OnCommand(wParam, lParam);
    }
};

TEST_F(WindowOrder, TheFirstInputAfterADialogEndsItselfGoesToTheWindowUnderneath) {
    OpensSelfClosing dlg;
    TestScript script;
    script.click(IDD_SAMPLE, IDC_MORE).inspect([] { EXPECT_NE(win::findOpenDialog(IDD_MORE), nullptr); });
    script.wait(100);
    // OK lies outside the place the closed dialog had, so the click is the owner's.
    script.click(IDD_SAMPLE, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.childResult, IDOK);
    EXPECT_TRUE(script.notes().empty()) << script.notes().front();
}

TEST_F(WindowOrder, OwnedAndTopmostWindowsStayAboveTheirActivatedOwner) {
    SampleDialog owner;
    ASSERT_TRUE(owner.Create(IDD_SAMPLE));
    owner.ShowWindow(SW_SHOW);
    MoreDialog owned(&owner);
    ASSERT_TRUE(owned.Create(IDD_MORE, &owner));
    owned.ShowWindow(SW_SHOW);
    CDialog stranger;
    ASSERT_TRUE(stranger.Create(IDD_PROGRESS));
    // All three overlap at one point of the owner's client area.
    RECT r;
    ::GetWindowRect(owner.m_hWnd, &r);
    ::SetWindowPos(owned.m_hWnd, nullptr, r.left + 20, r.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SetWindowPos(stranger.m_hWnd, nullptr, r.left + 30, r.top + 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    POINT both{r.left + 40, r.top + 60};
    // A click on the owner's visible part activates it: the owned window comes along above it,
    // the unrelated window goes below both.
    POINT onOwner{r.right - 20, r.bottom - 20};
    ::ScreenToClient(owner.m_hWnd, &onOwner);
    win::input::click(owner.m_hWnd, onOwner);
    win::pumpMessages();
    EXPECT_EQ(GetActiveWindow(), owner.m_hWnd);
    EXPECT_EQ(GetAncestor(WindowFromPoint(both), GA_ROOT), owned.m_hWnd);
    // Activating the owner by a call does the same, and a topmost window stays above all.
    ::SetWindowPos(stranger.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetActiveWindow(owner.m_hWnd);
    EXPECT_EQ(GetAncestor(WindowFromPoint(both), GA_ROOT), stranger.m_hWnd);
    BringWindowToTop(owner.m_hWnd);
    EXPECT_EQ(GetAncestor(WindowFromPoint(both), GA_ROOT), stranger.m_hWnd);
    ::SetWindowPos(stranger.m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    BringWindowToTop(owner.m_hWnd);
    EXPECT_EQ(GetAncestor(WindowFromPoint(both), GA_ROOT), owned.m_hWnd);
    owned.DestroyWindow();
    stranger.DestroyWindow();
    owner.DestroyWindow();
}

class MoveRecorder : public CDialog {
public:
    MoveRecorder() : CDialog(IDD_SIZABLE) {}
    std::vector<CPoint> moves;
    void OnMove(int x, int y) override {
        moves.emplace_back(x, y);
        CDialog::OnMove(x, y);
    }
};

TEST_F(WindowOrder, MoveReportsTheClientOrigin) {
    MoveRecorder dlg;
    ASSERT_TRUE(dlg.Create(IDD_SIZABLE));
    dlg.moves.clear();
    ::SetWindowPos(dlg.m_hWnd, nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_EQ(dlg.moves.size(), 1u);
    POINT client{0, 0};
    ::ClientToScreen(dlg.m_hWnd, &client);
    EXPECT_EQ(dlg.moves[0].x, client.x);
    EXPECT_EQ(dlg.moves[0].y, client.y);
    EXPECT_EQ(dlg.moves[0].x, 105);
    EXPECT_EQ(dlg.moves[0].y, 70);
    // A dialog that puts itself back where OnMove said it was does not creep.
    RECT before;
    ::GetWindowRect(dlg.m_hWnd, &before);
    RECT frame{0, 0, 0, 0};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtr(dlg.m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtr(dlg.m_hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(dlg.m_hWnd, nullptr, dlg.moves[0].x + frame.left, dlg.moves[0].y + frame.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    RECT after;
    ::GetWindowRect(dlg.m_hWnd, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    dlg.DestroyWindow();
}

}  // namespace
