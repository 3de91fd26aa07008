// The one layout engine of resizable dialogs, under both its names: the child layout and the
// core library's resizers, driven by a person dragging the dialog's frame.
#include "core/child_layout.h"
#include "core/cresizer.h"

#include <gtest/gtest.h>

#include <map>

#include "win/readback.h"
#include "win/testing.h"

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
                         ::testing::Values(SpanCase{0, 125, 187},  // scales both edges
                                           SpanCase{1, 125, 175},  // keeps its size where it scaled to
                                           SpanCase{2, 100, 187},  // near edge stays
                                           SpanCase{3, 100, 150},  // stays as it was
                                           SpanCase{4, 125, 250},  // far edge follows the dialog
                                           SpanCase{5, 200, 250},  // same size, moved with the far edge
                                           SpanCase{6, 100, 250},  // stretches
                                           SpanCase{7, 100, 250}));

TEST(ChildLayoutSpanShrinking, AStretchedChildNeverTurnsInsideOut) {
    int newNear = 0, newFar = 0;
    ChildLayout::layoutSpan(100, 150, ChildLayout::kKeepNear | ChildLayout::kFollowFar, 0.5, -200, newNear, newFar);
    EXPECT_EQ(newNear, 100);
    EXPECT_EQ(newFar, 100);
}

constexpr int kDialog = 9310, kSheet = 10, kCorner = 11, kLabel = 12, kToolbar = 13;

win::ResourceTable makeTable() {
    win::ResourceTable table;
    table.name = "child-layout-test";
    win::DialogTemplate tmpl;
    tmpl.id = kDialog;
    tmpl.caption = "Resizable";
    tmpl.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_VISIBLE;
    tmpl.cx = 400;
    tmpl.cy = 300;
    tmpl.controls = {
        {kToolbar, "ToolbarWindow32", WS_CHILD | WS_VISIBLE, 0, 0, 0, 400, 20, ""},
        {kSheet, "EDIT", WS_CHILD | WS_VISIBLE, 0, 10, 30, 380, 200, ""},
        {kCorner, "BUTTON", WS_CHILD | WS_VISIBLE, 0, 300, 250, 80, 30, "OK"},
        {kLabel, "STATIC", WS_CHILD | WS_VISIBLE, 0, 100, 250, 100, 20, "free"},
    };
    table.dialogs[kDialog] = tmpl;
    return table;
}

// A resizable dialog laid out by one of the two names of the engine.
class AnchoredDialog : public CDialog {
public:
    enum class Engine { ChildLayout, Resizer };
    explicit AnchoredDialog(Engine engine) : CDialog(kDialog), engine_(engine) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (engine_ == Engine::ChildLayout) {
            layout_.record(m_hWnd);
            layout_.setAnchors(kSheet, 6, 6);
            layout_.setAnchors(kCorner, 5, 5);
        } else {
            resizer_.attach(this);
            resizer_.setAnchor(kSheet, CResizer::All);
            resizer_.setAnchor(kCorner, CResizer::Right | CResizer::Bottom);
        }
        return TRUE;
    }
    void OnSize(UINT type, int cx, int cy) override {
        CDialog::OnSize(type, cx, cy);
        if (engine_ == Engine::ChildLayout)
            layout_.apply();
        else
            resizer_.resize();
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
        if (engine_ == Engine::Resizer) resizer_.limitTracking(info);
    }

private:
    Engine engine_;
    ChildLayout layout_;
    TwResizer resizer_;
};

class AnchoredDialogTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        WNDCLASS toolbarClass{};
        toolbarClass.lpfnWndProc = DefWindowProc;
        toolbarClass.lpszClassName = "ToolbarWindow32";
        RegisterClass(&toolbarClass);
        win::registerResourceTable(&table_);
    }
    void TearDown() override {
        win::resetWindowSystem();
        win::unregisterResourceTable(&table_);
        WindowSystemTest::TearDown();
    }
    static HWND dialog() { return win::findOpenDialog(kDialog); }
    static RECT rectOf(int id) { return win::describeWindow(GetDlgItem(dialog(), id)).rectInParent; }
    static SIZE windowSize() {
        RECT w{};
        GetWindowRect(dialog(), &w);
        return SIZE{w.right - w.left, w.bottom - w.top};
    }
    // Remembers the rectangles and the window size as the dialog opened.
    void takeOpeningLayout() {
        opened_ = windowSize();
        for (int id : {kSheet, kCorner, kLabel, kToolbar}) before_[id] = rectOf(id);
    }

    win::ResourceTable table_ = makeTable();
    SIZE opened_{};
    std::map<int, RECT> before_;
};

// A person drags the frame larger and back: anchored controls follow the edges, the others
// scale, and the way back restores the opening layout exactly.
TEST_F(AnchoredDialogTest, ChildLayoutStretchesAndMovesAnchoredControlsAndScalesTheRest) {
    AnchoredDialog dlg(AnchoredDialog::Engine::ChildLayout);
    ASSERT_TRUE(dlg.Create(kDialog));
    takeOpeningLayout();
    win::testing::TestScript script;
    script.resize(kDialog, opened_.cx * 2, opened_.cy + 60)
        .inspect(
            [&] {
                ASSERT_EQ(windowSize().cx, opened_.cx * 2);
                RECT sheet = rectOf(kSheet), corner = rectOf(kCorner), label = rectOf(kLabel);
                EXPECT_EQ(sheet.left, before_[kSheet].left);
                EXPECT_EQ(sheet.right, before_[kSheet].right + opened_.cx);
                EXPECT_EQ(sheet.bottom, before_[kSheet].bottom + 60);
                EXPECT_EQ(corner.left, before_[kCorner].left + opened_.cx);
                EXPECT_EQ(corner.top, before_[kCorner].top + 60);
                EXPECT_EQ(corner.right - corner.left, before_[kCorner].right - before_[kCorner].left);
                EXPECT_EQ(label.left, before_[kLabel].left * 2);  // no anchors: it scales
                EXPECT_EQ(label.right, before_[kLabel].right * 2);
                EXPECT_EQ(rectOf(kToolbar).right, before_[kToolbar].right);  // toolbars are never laid out
            },
            "check the grown layout")
        .resize(kDialog, opened_.cx, opened_.cy)
        .inspect(
            [&] {
                for (int id : {kSheet, kCorner, kLabel}) {
                    RECT now = rectOf(id);
                    EXPECT_EQ(now.left, before_[id].left) << id;
                    EXPECT_EQ(now.top, before_[id].top) << id;
                    EXPECT_EQ(now.right, before_[id].right) << id;
                    EXPECT_EQ(now.bottom, before_[id].bottom) << id;
                }
            },
            "check the restored layout");
    script.runModeless();
    dlg.DestroyWindow();
}

// The resizer keeps unanchored controls in place and the dialog no smaller than it opened.
TEST_F(AnchoredDialogTest, ResizerKeepsFreeControlsAndStopsAtTheOpeningSize) {
    AnchoredDialog dlg(AnchoredDialog::Engine::Resizer);
    ASSERT_TRUE(dlg.Create(kDialog));
    takeOpeningLayout();
    win::testing::TestScript script;
    script.resize(kDialog, opened_.cx + 100, opened_.cy + 50)
        .inspect(
            [&] {
                RECT sheet = rectOf(kSheet), corner = rectOf(kCorner), label = rectOf(kLabel);
                EXPECT_EQ(sheet.left, before_[kSheet].left);
                EXPECT_EQ(sheet.right, before_[kSheet].right + 100);
                EXPECT_EQ(sheet.bottom, before_[kSheet].bottom + 50);
                EXPECT_EQ(corner.left, before_[kCorner].left + 100);
                EXPECT_EQ(corner.bottom, before_[kCorner].bottom + 50);
                EXPECT_EQ(label.left, before_[kLabel].left);  // no anchors: it stays
                EXPECT_EQ(label.right, before_[kLabel].right);
                EXPECT_EQ(label.top, before_[kLabel].top);
            },
            "check the grown layout")
        .resize(kDialog, opened_.cx / 3, opened_.cy / 3)
        .inspect(
            [&] {
                SIZE now = windowSize();
                EXPECT_EQ(now.cx, opened_.cx);
                EXPECT_EQ(now.cy, opened_.cy);
                EXPECT_EQ(rectOf(kSheet).right, before_[kSheet].right);
                EXPECT_EQ(rectOf(kCorner).left, before_[kCorner].left);
            },
            "check the dialog stopped at its minimum");
    script.runModeless();
    dlg.DestroyWindow();
}

}  // namespace
