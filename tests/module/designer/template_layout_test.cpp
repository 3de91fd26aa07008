// The layout rules that need no windows: resource ids, the row-by-row tab order, fractions and
// pixels, and what a copy of a template holds.
#include <algorithm>
#include <cmath>

#include "designer/kv_dlg_designer_data.h"
#include "designer_test_support.h"

using namespace designer_test;

namespace {

class TemplateLayout : public DesignerTest {
protected:
    // A template with a 200 by 100 picture and the usual id range.
    void makePictureTemplate(Kv_DlgDesignerData& data) {
        writePicture("layout.bmp", 200, 100);
        data.setDynamicIdRange(33000, 33099);
        ASSERT_TRUE(data.attachBitmap(templatePath("layout.bmp")));
    }
    static std::vector<int> tabOrders(const Kv_DlgDesignerData& data) {
        std::vector<int> orders;
        for (int i = 0; i < data.getNrControls(); ++i) orders.push_back(data.getControl(i)->tabOrder);
        return orders;
    }
};

TEST_F(TemplateLayout, IdsComeFromTheRangeAndTheHundredFirstGetsZero) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(data.append(Kv_DesignerControl()), 33000 + i);
    EXPECT_EQ(data.append(Kv_DesignerControl()), 0);
    EXPECT_EQ(data.getNrControls(), 101);
    int index = -1;
    EXPECT_FALSE(data.findCtrlFromResource(0, index));
    EXPECT_EQ(data.getControlFromRes(0), nullptr);

    // Removing frees an id for the next append; the others keep theirs.
    data.removeControl(5);
    EXPECT_EQ(data.append(Kv_DesignerControl()), 33005);
    ASSERT_TRUE(data.findCtrlFromResource(33006, index));
    EXPECT_EQ(index, 5);
}

TEST_F(TemplateLayout, EqualTopsStartTheRowWithTheEarlierControl) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    data.append(makeControl(kCtrlVariableEdit, 0.6, 0.3, 0.7, 0.4));    // second row, right
    data.append(makeControl(kCtrlVariableEdit, 0.5, 0.1, 0.6, 0.2));    // first row, right
    data.append(makeControl(kCtrlVariableEdit, 0.1, 0.1, 0.2, 0.12));   // first row, left, short
    data.append(makeControl(kCtrlVariableEdit, 0.1, 0.3, 0.2, 0.4));    // second row, left
    data.append(makeControl(kCtrlVariableEdit, 0.3, 0.15, 0.4, 0.25));  // inside the 0.2 bottom only
    data.sortAllControls();
    // The earlier of the equal tops (index 1) opens the row and its bottom (0.2) bounds it.
    EXPECT_EQ(tabOrders(data), (std::vector<int>{5, 3, 1, 4, 2}));
}

TEST_F(TemplateLayout, RowBoundaryIsInclusive) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    data.append(makeControl(kCtrlVariableEdit, 0.5, 0.10, 0.6, 0.15));
    data.append(makeControl(kCtrlVariableEdit, 0.1, 0.15, 0.2, 0.25));  // top on the bottom edge: same row
    data.append(makeControl(kCtrlVariableEdit, 0.0, 0.151, 0.1, 0.2));  // just below: next row
    data.sortAllControls();
    EXPECT_EQ(tabOrders(data), (std::vector<int>{2, 1, 3}));
}

TEST_F(TemplateLayout, DisabledLabelsAndGroupsKeepTheirOrder) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    data.append(makeControl(kCtrlLabel, 0.0, 0.0, 0.1, 0.1));
    data.append(makeControl(kCtrlGroupBox, 0.0, 0.0, 0.9, 0.9));
    Kv_DesignerControl disabled = makeControl(kCtrlVariableEdit, 0.0, 0.0, 0.1, 0.1);
    disabled.disabled = 1;
    data.append(disabled);
    data.append(makeControl(kCtrlVariableEdit, 0.5, 0.5, 0.6, 0.6));
    data.getControlWrite(0)->tabOrder = 7;  // left alone by the sort
    data.sortAllControls();
    EXPECT_EQ(tabOrders(data), (std::vector<int>{7, 0, 0, 1}));
}

TEST_F(TemplateLayout, ControlsFarBelowStillGetAnOrder) {
    // Tops beyond the search's start value (and NaN) must not stall the sort.
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    data.append(makeControl(kCtrlVariableEdit, 0.0, 250.0, 0.1, 251.0));
    data.append(makeControl(kCtrlVariableEdit, 0.0, std::nan(""), 0.1, 0.2));
    data.append(makeControl(kCtrlVariableEdit, 0.0, 0.5, 0.1, 0.6));
    data.sortAllControls();
    std::vector<int> orders = tabOrders(data);
    std::sort(orders.begin(), orders.end());
    EXPECT_EQ(orders, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(data.getControl(2)->tabOrder, 1);
}

TEST_F(TemplateLayout, SetHeightKeepsTheBottomAndSetWidthTheLeft) {
    Kv_DlgDesignerData data;
    makePictureTemplate(data);
    Kv_DesignerControl c = makeControl(kCtrlVariableEdit, 0.1, 0.1, 0.2, 0.3);  // y 10 to 30 pixels
    data.setHeight(c, 50);
    EXPECT_DOUBLE_EQ(data.getTopLeftY(c), -20.0);
    EXPECT_DOUBLE_EQ(data.getBottomRightY(c), 30.0);
    data.setWidth(c, 70);
    EXPECT_DOUBLE_EQ(data.getTopLeftX(c), 20.0);
    EXPECT_DOUBLE_EQ(data.getBottomRightX(c), 90.0);
    EXPECT_DOUBLE_EQ(data.getWidth(c), 70.0);
    EXPECT_DOUBLE_EQ(data.getHeight(c), 50.0);
}

TEST_F(TemplateLayout, ChangeSizeKeepsTheTopEdge) {
    Kv_DlgDesignerData data;
    makePictureTemplate(data);
    data.append(makeControl(kCtrlVariableEdit, 0.1, 0.1, 0.2, 0.3));
    data.changeCtrlSize(0, false, 50);
    EXPECT_DOUBLE_EQ(data.getTopLeftY(*data.getControl(0)), 10.0);
    EXPECT_DOUBLE_EQ(data.getBottomRightY(*data.getControl(0)), 60.0);
    data.changeCtrlSize(0, true, 10);
    EXPECT_DOUBLE_EQ(data.getBottomRightX(*data.getControl(0)), 30.0);
    data.changeCtrlSize(9, true, 10);  // no such control: nothing happens
}

TEST_F(TemplateLayout, PixelRectRoundsToNearestAndSurvivesDamagedFractions) {
    Kv_DlgDesignerData data;
    makePictureTemplate(data);
    const RECT r = data.getPixelRect(makeControl(kCtrlVariableEdit, 0.0025, 0.105, 0.5074, 0.2));
    EXPECT_EQ(r.left, 1);     // 0.5 rounds away from zero
    EXPECT_EQ(r.top, 11);     // 10.5
    EXPECT_EQ(r.right, 101);  // 101.48
    EXPECT_EQ(r.bottom, 20);
    const RECT damaged = data.getPixelRect(makeControl(kCtrlVariableEdit, std::nan(""), 1e300, -1e300, 0.1));
    EXPECT_EQ(damaged.left, 0);
    EXPECT_GT(damaged.top, 0);
    EXPECT_LT(damaged.right, 0);
}

TEST_F(TemplateLayout, WithoutPictureFractionsCannotBeDerived) {
    Kv_DlgDesignerData data;
    EXPECT_EQ(data.pixelsToFactor(true, 30), 0.0);
    EXPECT_EQ(data.factorToPixels(false, 0.5), 0.0);
    int w = -1, h = -1;
    data.getImageSize(w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
}

TEST_F(TemplateLayout, CopyTakesTheLayoutButNoWindows) {
    HWND dialog = openHostDialog();
    Kv_DlgDesignerData original;
    makePictureTemplate(original);
    original.initialize(dialog, 33000, 33099, 0, 0, 0, 0, 0, false);
    original.append(makeControl(kCtrlVariableEdit, 0.1, 0.1, 0.3, 0.3, "W"));
    original.redrawAllControls();
    ASSERT_EQ(original.getNrDrawnControls(), 1);
    HWND window = GetDlgItem(dialog, 33000);
    ASSERT_NE(window, nullptr);
    {
        Kv_DlgDesignerData copy(original);
        EXPECT_FALSE(copy.isInitialised());
        EXPECT_EQ(copy.getNrDrawnControls(), 0);
        EXPECT_EQ(copy.getNrControls(), 1);
        EXPECT_EQ(copy.getControl(0)->resId, 33000);
        EXPECT_EQ(copy.factorToPixels(true, 1.0), 200.0);
        EXPECT_NE(copy.getPicture(), original.getPicture());
        Kv_DlgDesignerData assigned;
        assigned = original;
        EXPECT_EQ(assigned.getNrControls(), 1);
        EXPECT_EQ(assigned.append(Kv_DesignerControl()), 33001);
    }
    // The copies are gone; the original's window is still there and still its own.
    EXPECT_TRUE(IsWindow(window));
    Kv_String value;
    EXPECT_TRUE(original.getCtrlValue(33000, value));
    EXPECT_EQ(value, "W");
}

TEST_F(TemplateLayout, DestroyingTheTemplateDestroysItsWindows) {
    HWND dialog = openHostDialog();
    HWND window = nullptr;
    {
        Kv_DlgDesignerData data;
        makePictureTemplate(data);
        data.initialize(dialog, 33000, 33099, 0, 0, 0, 0, 0, false);
        data.append(makeControl(kCtrlVariableEdit, 0.1, 0.1, 0.3, 0.3, "W"));
        data.redrawAllControls();
        window = GetDlgItem(dialog, 33000);
        ASSERT_NE(window, nullptr);
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindow(dialog));
}

}  // namespace
