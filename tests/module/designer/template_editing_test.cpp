// Editing a template in design mode: the operations on the selection, the mouse on the design
// surface, painting, and the property panel.  The selection is made and the panel edited as a
// person does it, with the mouse and the keyboard; the operations are called as the designer
// dialog's buttons call them.
#include "designer/kv_control_type.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer_test_support.h"
#include "win/draw.h"
#include "win/input.h"
#include "win/afx/tracker.h"
#include "win/readback.h"
#include "win/testing.h"

#include <initializer_list>

using namespace designer_test;

namespace {

class TemplateEditing : public DesignerTest {
protected:
    void SetUp() override {
        DesignerTest::SetUp();
        writePicture("edit.bmp", 200, 100);
        dialog_ = openHostDialog(kPanelReachingHeight);
        ASSERT_TRUE(data_.attachBitmap(templatePath("edit.bmp")));
        ASSERT_TRUE(data_.initialize(dialog_, 33000, 33099, kTypeList, kContentsCaption, kContentsField, kListCaption,
                                     kListField, true));
        forwardedTemplate() = &data_;
    }
    void TearDown() override {
        forwardedTemplate() = nullptr;
        data_.removeAllDrawnCtrls();
        DesignerTest::TearDown();
    }
    // Controls at pixel rectangles of the 200 by 100 picture.
    void addAt(Kv_ControlType type, int left, int top, int right, int bottom, const char* contents = "") {
        data_.append(makeControl(type, left / 200.0, top / 100.0, right / 200.0, bottom / 100.0, contents));
    }
    RECT pixelsOf(int id) const { return data_.getPixelRect(*data_.getControlFromRes(id)); }
    RECT windowOf(int id) const { return win::describeWindow(GetDlgItem(dialog_, id)).rectInParent; }
    void drag(POINT from, POINT to, unsigned modifiers = 0) {
        win::input::mouseDown(dialog_, from, win::input::Button::Left, modifiers);
        win::input::mouseMove(dialog_, POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, modifiers);
        win::input::mouseMove(dialog_, to, modifiers);
        win::input::mouseUp(dialog_, to, win::input::Button::Left, modifiers);
        win::pumpMessages();
    }
    void click(POINT at, unsigned modifiers = 0) { drag(at, at, modifiers); }
    // A click on a free spot of the surface, then on the first control and with Shift held on
    // each other one.
    void select(std::initializer_list<int> ids) {
        click(kFreeSpot);
        unsigned modifiers = 0;
        for (int id : ids) {
            const RECT r = windowOf(id);
            click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}, modifiers);
            modifiers = win::input::Shift;
        }
    }
    static constexpr POINT kFreeSpot{195, 95};
    static constexpr int kPanelReachingHeight = 380;
    static constexpr int kHostDialog = 9990;
    Kv_String panel(int id) const { return windowTextOf(GetDlgItem(dialog_, id)); }

    HWND dialog_ = nullptr;
    Kv_DlgDesignerData data_;
};

TEST_F(TemplateEditing, AddNewControlIsAThirtyByEighteenEditField) {
    ASSERT_TRUE(data_.addNewControl(kCtrlVariableEdit));
    ASSERT_EQ(data_.getNrControls(), 1);
    EXPECT_EQ(data_.getControl(0)->contents, dialString(171));
    EXPECT_EQ(pixelsOf(33000), (RECT{40, 20, 70, 38}));
    EXPECT_EQ(windowOf(33000), (RECT{40, 20, 70, 38}));
}

TEST_F(TemplateEditing, CopiesLandTwentyPixelsRightAndDownAndAreSelected) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28, "A");
    addAt(kCtrlLabel, 100, 50, 150, 60, "B");
    data_.redrawAllControls();
    select({33001, 33000});
    ASSERT_TRUE(data_.copyCurCtrls());
    ASSERT_EQ(data_.getNrControls(), 4);
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33002, 33003}));
    EXPECT_EQ(pixelsOf(33002), (RECT{120, 70, 170, 80}));
    EXPECT_EQ(data_.getControlFromRes(33002)->contents, "B");
    EXPECT_EQ(pixelsOf(33003), (RECT{30, 30, 60, 48}));
    EXPECT_EQ(windowOf(33003), (RECT{30, 30, 60, 48}));
}

TEST_F(TemplateEditing, OperationsNeedASelection) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    data_.redrawAllControls();
    EXPECT_FALSE(data_.copyCurCtrls());
    EXPECT_FALSE(data_.outlineCurCtrls());
    EXPECT_FALSE(data_.changeCurCtrlsSize(true, 50));
    EXPECT_EQ(data_.getNrControls(), 1);
    EXPECT_EQ(data_.getCurSel(), -1);
}

TEST_F(TemplateEditing, SideBySideNeedsExactlyTwo) {
    addAt(kCtrlVariableEdit, 100, 10, 130, 20);
    addAt(kCtrlVariableEdit, 10, 40, 60, 70);
    addAt(kCtrlVariableEdit, 10, 80, 20, 90);
    data_.redrawAllControls();
    const RECT before0 = pixelsOf(33000);
    select({33000});
    EXPECT_FALSE(data_.stickRightCurCtrls());
    select({33000, 33001, 33002});
    EXPECT_FALSE(data_.stickRightCurCtrls());
    EXPECT_EQ(pixelsOf(33000), before0);

    select({33000, 33001});
    ASSERT_TRUE(data_.stickRightCurCtrls());
    // 33001 is farther left: 33000 keeps its 30 pixel width and sits on its right edge.
    EXPECT_EQ(pixelsOf(33000), (RECT{60, 40, 90, 70}));
    EXPECT_EQ(pixelsOf(33001), (RECT{10, 40, 60, 70}));
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33000, 33001}));
}

TEST_F(TemplateEditing, BottomAlignmentKeepsHeights) {
    addAt(kCtrlVariableEdit, 50, 10, 80, 20);
    addAt(kCtrlVariableEdit, 10, 40, 40, 70);  // the leftmost: the reference
    addAt(kCtrlVariableEdit, 90, 0, 120, 50);
    data_.redrawAllControls();
    select({33000, 33001, 33002});
    ASSERT_TRUE(data_.outlineCurCtrls());
    EXPECT_EQ(pixelsOf(33000), (RECT{50, 60, 80, 70}));
    EXPECT_EQ(pixelsOf(33001), (RECT{10, 40, 40, 70}));
    EXPECT_EQ(pixelsOf(33002), (RECT{90, 20, 120, 70}));
}

TEST_F(TemplateEditing, ChangeSizeKeepsTopLeftAndSelection) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    addAt(kCtrlVariableEdit, 50, 40, 60, 50);
    data_.redrawAllControls();
    select({33000, 33001});
    ASSERT_TRUE(data_.changeCurCtrlsSize(false, 25));
    EXPECT_EQ(pixelsOf(33000), (RECT{10, 10, 40, 35}));
    EXPECT_EQ(pixelsOf(33001), (RECT{50, 40, 60, 65}));
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33000, 33001}));
}

TEST_F(TemplateEditing, ChangeSizeAsksForThePixelsWithThirtyProposed) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    data_.redrawAllControls();
    select({33000});
    script
        .inspect([] {
            const win::WindowInfo field = win::describeWindow(GetDlgItem(win::findOpenDialog(8069), 8003));
            EXPECT_EQ(field.text, "30");
        })
        .type(8069, "55")
        .click(8069, IDOK)
        .click(8069, IDCANCEL);
    EXPECT_TRUE(data_.changeCtrlSize(true));
    EXPECT_EQ(pixelsOf(33000), (RECT{10, 10, 65, 28}));
    // Cancel changes nothing.
    EXPECT_FALSE(data_.changeCtrlSize(false));
    EXPECT_EQ(pixelsOf(33000), (RECT{10, 10, 65, 28}));
}

TEST_F(TemplateEditing, RemoveTakesWindowAndControlAndFreesTheId) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28, "A");
    addAt(kCtrlVariableEdit, 50, 10, 80, 28, "B");
    data_.redrawAllControls();
    select({33000});
    EXPECT_TRUE(data_.removeCurControls());
    ASSERT_EQ(data_.getNrControls(), 1);
    EXPECT_EQ(data_.getControl(0)->contents, "B");
    EXPECT_EQ(GetDlgItem(dialog_, 33000), nullptr);
    EXPECT_TRUE(data_.getSelectedIds().isEmpty());
    EXPECT_TRUE(data_.addNewControl(kCtrlVariableEdit));
    EXPECT_EQ(data_.getControl(1)->resId, 33000);
    EXPECT_TRUE(data_.removeCurControls());  // nothing selected: still true
}

TEST_F(TemplateEditing, MovedWindowsAreReadBackBeforeSaving) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    data_.redrawAllControls();
    select({33000});
    drag({20, 19}, {110, 59});  // the window moves; the template's rectangle is read back on saving
    ASSERT_EQ(windowOf(33000), (RECT{100, 50, 130, 68}));
    ASSERT_TRUE(data_.writeToFile(templatePath("moved.txt")));
    EXPECT_DOUBLE_EQ(data_.getControl(0)->topLeftX, 0.5);
    EXPECT_DOUBLE_EQ(data_.getControl(0)->bottomRightY, 0.68);
    Kv_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(templatePath("moved.txt"), false));
    EXPECT_DOUBLE_EQ(back.getControl(0)->topLeftY, 0.5);
}

TEST_F(TemplateEditing, RunningDialogsNeverStoreTheOpenedComboHeight) {
    Kv_DlgDesignerData running;
    running.attachBitmap(templatePath("edit.bmp"));
    HWND other = openHostDialog();
    ASSERT_TRUE(running.initialize(other, 33000, 33099, 0, 0, 0, 0, 0, false));
    running.append(makeControl(kCtrlVariableCombo, 0.1, 0.1, 0.3, 0.28));
    running.redrawAllControls();
    ASSERT_TRUE(running.writeToFile(templatePath("combo.txt")));
    EXPECT_DOUBLE_EQ(running.getControl(0)->bottomRightY, 0.28);
}

TEST_F(TemplateEditing, ClickSelectsAndControlTogglesAndShiftAdds) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    addAt(kCtrlLabel, 60, 10, 90, 28, "L");
    addAt(kCtrlVariableEdit, 110, 10, 140, 28);
    data_.redrawAllControls();
    click({20, 20});
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33000}));
    EXPECT_EQ(data_.getCurSel(), 0);
    click({120, 20});
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33002}));
    click({70, 20}, win::input::Shift);  // the label is transparent to the mouse; the surface sees it
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33002, 33001}));
    click({120, 20}, win::input::Control);
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33001}));
    click({150, 80}, win::input::Control);  // empty surface with a key held: nothing
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33001}));
    click({150, 80});  // empty surface: cleared
    EXPECT_TRUE(data_.getSelectedIds().isEmpty());
    EXPECT_EQ(data_.getCurSel(), -1);
}

TEST_F(TemplateEditing, RubberBandSelectsWhatLiesWhollyInside) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    addAt(kCtrlVariableEdit, 50, 10, 80, 28);
    addAt(kCtrlVariableEdit, 70, 50, 120, 70);
    data_.redrawAllControls();
    drag({5, 5}, {100, 40});
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33000, 33001}));
}

TEST_F(TemplateEditing, DraggingMovesTheWholeSelection) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    addAt(kCtrlVariableEdit, 50, 40, 80, 58);
    data_.redrawAllControls();
    select({33000, 33001});
    drag({20, 20}, {35, 27});
    EXPECT_EQ(windowOf(33000), (RECT{25, 17, 55, 35}));
    EXPECT_EQ(windowOf(33001), (RECT{65, 47, 95, 65}));
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33000, 33001}));
    data_.updateRectsFromWindows();
    EXPECT_EQ(pixelsOf(33001), (RECT{65, 47, 95, 65}));
}

TEST_F(TemplateEditing, DraggingAHandleResizesThatControlAlone) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    addAt(kCtrlVariableEdit, 50, 40, 80, 58);
    data_.redrawAllControls();
    select({33000, 33001});
    // The bottom right handle lies just outside the corner (80, 58).
    const POINT grip{83, 61};
    const RECT frame = windowOf(33001);
    ASSERT_EQ(CRectTracker(&frame, CRectTracker::resizeOutside).HitTest(CPoint(grip)), CRectTracker::hitBottomRight);
    drag(grip, {grip.x + 10, grip.y + 5});
    EXPECT_EQ(windowOf(33001), (RECT{50, 40, 90, 63}));
    EXPECT_EQ(windowOf(33000), (RECT{10, 10, 40, 28}));
}

TEST_F(TemplateEditing, PaintingShowsPictureAndSelection) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28);
    data_.redrawAllControls();
    select({33000});
    win::pumpMessages();  // the window system paints what the click changed
    const std::vector<win::DrawRecord> records = win::paintRecords(dialog_);
    bool picture = false;
    bool frame = false;
    int handles = 0;
    for (const win::DrawRecord& r : records) {
        if (r.kind == win::DrawRecord::Kind::Bitmap && r.rect == RECT{0, 0, 200, 100}) picture = r.mask != nullptr;
        if (r.kind == win::DrawRecord::Kind::TrackerFrame) frame = r.rect == RECT{10, 10, 40, 28};
        if (r.kind == win::DrawRecord::Kind::TrackerHandle) ++handles;
    }
    EXPECT_TRUE(picture);
    EXPECT_TRUE(frame);
    EXPECT_EQ(handles, 6);  // too low for handles at the middle of the sides
}

TEST_F(TemplateEditing, PanelShowsTheSingleSelection) {
    Kv_DesignerControl flex = makeControl(kCtrlFlexButton, 0.1, 0.1, 0.3, 0.3, "FIX");
    flex.setSplitExtComboList("grp;;m;");
    data_.append(flex);
    addAt(kCtrlVariableEdit, 100, 50, 150, 70, "W");
    data_.redrawAllControls();
    EXPECT_EQ(win::describeWindow(GetDlgItem(dialog_, kTypeList)).items.size(), 31u);

    select({33000});
    EXPECT_EQ(win::describeWindow(GetDlgItem(dialog_, kTypeList)).selection, 30);
    EXPECT_EQ(panel(kContentsCaption), dialString(1429));
    EXPECT_EQ(panel(kContentsField), "FIX");
    EXPECT_EQ(panel(kListField), "grp;;m;");
    EXPECT_EQ(panel(kListCaption), dialString(705) + ";" + dialString(1430) + ";" + dialString(1431));
    EXPECT_FALSE(data_.isUpdatingProperties());

    select({33001});
    EXPECT_EQ(panel(kListField), "");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_, kListField)));
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33001}));

    select({33000, 33001});
    EXPECT_EQ(panel(kContentsField), "");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_, kContentsField)));
}

TEST_F(TemplateEditing, PanelEditsChangeTheSelectedControl) {
    addAt(kCtrlVariableEdit, 10, 10, 40, 28, "W");
    data_.redrawAllControls();
    select({33000});

    script.click(kHostDialog, kContentsField)
        .key(kHostDialog, VK_END)
        .key(kHostDialog, VK_BACK)
        .type(kHostDialog, "HEIGHT")
        .inspect([this] {
            EXPECT_EQ(panel(kContentsField), "HEIGHT");
            EXPECT_EQ(data_.getControl(0)->contents, "HEIGHT");
            EXPECT_EQ(windowTextOf(GetDlgItem(dialog_, 33000)), "HEIGHT");
        });
    // A new type redraws the control with its new window class, still selected.
    script.choose(kHostDialog, kTypeList, controlTypeName(kCtrlVariableCombo).str())
        .click(kHostDialog, kListField)
        .type(kHostDialog, "a;b.txt");
    script.runModeless();
    EXPECT_TRUE(script.notes().empty()) << script.notes().front();
    EXPECT_EQ(data_.getControl(0)->type, kCtrlVariableCombo);
    EXPECT_EQ(data_.getControl(0)->listText, "a;b.txt");
    EXPECT_EQ(win::describeWindow(GetDlgItem(dialog_, 33000)).className, "COMBOBOX");
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33000}));
}

}  // namespace

namespace {

TEST_F(TemplateEditing, AFullIdRangeRefusesAddAndCopyWithAMessage) {
    data_.setDynamicIdRange(33000, 33002);
    addAt(kCtrlVariableEdit, 10, 10, 40, 28, "A");
    addAt(kCtrlVariableEdit, 50, 10, 80, 28, "B");
    data_.redrawAllControls();
    ASSERT_TRUE(data_.addNewControl(kCtrlVariableEdit));  // takes the last free id
    EXPECT_EQ(data_.getControl(2)->resId, 33002);

    script.answerMessageBox(IDOK).answerMessageBox(IDOK);
    EXPECT_FALSE(data_.addNewControl(kCtrlVariableEdit));
    select({33000});
    EXPECT_FALSE(data_.copyCurCtrls());
    ASSERT_EQ(data_.getNrControls(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_NE(data_.getControl(i)->resId, 0);
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    EXPECT_EQ(win::messageBoxHistory()[0].text, string(20141).str());

    // Once a control is gone, its id serves the copy.
    select({33001});
    ASSERT_TRUE(data_.removeCurControls());
    select({33000});
    ASSERT_TRUE(data_.copyCurCtrls());
    EXPECT_EQ(data_.getSelectedIds(), (Kv_Array<int>{33001}));
}

}  // namespace
