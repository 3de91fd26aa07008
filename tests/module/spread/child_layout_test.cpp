// ChildLayout: the anchor rules per direction, and recording and applying on a real dialog.
#include "spread/child_layout.h"
#include "spread_test_support.h"

namespace {

struct SpanCase {
    int flags;
    int expectNear, expectFar;
};

class ChildLayoutSpan : public ::testing::TestWithParam<SpanCase> {};

// A child spanning [100, 150) in a dialog that grew from 400 to 500 (scale 1.25, delta 100).
TEST_P(ChildLayoutSpan, FollowsItsFlags) {
    int newNear = 0, newFar = 0;
    ChildLayout::layoutSpan(100, 150, GetParam().flags, 1.25, 100, newNear, newFar);
    EXPECT_EQ(newNear, GetParam().expectNear);
    EXPECT_EQ(newFar, GetParam().expectFar);
}

INSTANTIATE_TEST_SUITE_P(Flags, ChildLayoutSpan,
                         ::testing::Values(SpanCase{0, 125, 187},     // scales both edges
                                           SpanCase{1, 125, 175},     // keeps its size where it scaled to
                                           SpanCase{2, 100, 187},     // near edge stays
                                           SpanCase{3, 100, 150},     // stays as it was
                                           SpanCase{4, 125, 250},     // far edge follows the dialog
                                           SpanCase{5, 200, 250},     // same size, moved with the far edge
                                           SpanCase{6, 100, 250},     // stretches
                                           SpanCase{7, 100, 250}));

class ChildLayoutTest : public SpreadTest {
protected:
    HWND child(int id) { return GetDlgItem(host->m_hWnd, id); }
    RECT rectOf(int id) { return win::describeWindow(child(id)).rectInParent; }
};

TEST_F(ChildLayoutTest, AnchoredControlsFollowTheDialogInOneBatch) {
    openSheet(1, 1);
    WNDCLASS toolbarClass{};
    toolbarClass.lpfnWndProc = DefWindowProc;
    toolbarClass.lpszClassName = "ToolbarWindow32";
    RegisterClass(&toolbarClass);
    HWND toolbar = CreateWindowEx(0, "toolbarwindow32", "", WS_CHILD | WS_VISIBLE, 0, 0, 460, 20, host->m_hWnd,
                                  reinterpret_cast<HMENU>(77), nullptr, nullptr);
    ChildLayout layout;
    layout.record(host->m_hWnd);
    ASSERT_NE(toolbar, nullptr);
    for (const auto& entry : layout.children()) EXPECT_NE(entry.window, toolbar);
    ASSERT_TRUE(layout.setAnchors(kPlaceholderId, 6, 6));
    ASSERT_TRUE(layout.setAnchors(IDOK, 5, 5));
    EXPECT_FALSE(layout.setAnchors(4711, 6, 6));
    const RECT sheetBefore = rectOf(kPlaceholderId), okBefore = rectOf(IDOK);
    RECT outer;
    GetWindowRect(host->m_hWnd, &outer);
    MoveWindow(host->m_hWnd, outer.left, outer.top, outer.right - outer.left + 100, outer.bottom - outer.top + 40,
               TRUE);
    layout.apply();
    const RECT sheetAfter = rectOf(kPlaceholderId), okAfter = rectOf(IDOK);
    EXPECT_EQ(sheetAfter.left, sheetBefore.left);
    EXPECT_EQ(sheetAfter.right, sheetBefore.right + 100);
    EXPECT_EQ(sheetAfter.bottom, sheetBefore.bottom + 40);
    EXPECT_EQ(okAfter.left, okBefore.left + 100);
    EXPECT_EQ(okAfter.right - okAfter.left, okBefore.right - okBefore.left);
    EXPECT_EQ(okAfter.top, okBefore.top + 40);
    EXPECT_EQ(win::describeWindow(toolbar).rectInParent.right, 460);
}

TEST_F(ChildLayoutTest, NothingIsRecordedForAMissingDialog) {
    ChildLayout layout;
    layout.record(nullptr);
    EXPECT_TRUE(layout.children().empty());
    EXPECT_FALSE(layout.setAnchors(IDOK, 6, 6));
    layout.apply();
}

}  // namespace
