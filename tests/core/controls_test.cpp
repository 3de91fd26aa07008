#include "core/cbutton_st.h"
#include "core/check_combo_box.h"
#include "core/cresizer.h"

#include <gtest/gtest.h>

#include "core/kv_texts.h"
#include "temp_folder.h"

#include <fstream>
#include "win/draw.h"
#include "win/testing.h"

namespace {

constexpr int kDialog = 9300, kStretch = 10, kCorner = 11, kBottomLeft = 12, kFixed = 13, kIconButton = 14,
              kCheckCombo = 15;

win::ResourceTable makeTable() {
    win::ResourceTable table;
    table.name = "core-controls-test";
    win::DialogTemplate tmpl;
    tmpl.id = kDialog;
    tmpl.caption = "Resizable";
    tmpl.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE;
    tmpl.cx = 300;
    tmpl.cy = 200;
    tmpl.controls = {
        {kStretch, "EDIT", WS_CHILD | WS_VISIBLE, 0, 10, 10, 280, 140, ""},
        {kCorner, "BUTTON", WS_CHILD | WS_VISIBLE, 0, 210, 160, 80, 30, "OK"},
        {kBottomLeft, "BUTTON", WS_CHILD | WS_VISIBLE, 0, 10, 160, 80, 30, "Add"},
        {kFixed, "STATIC", WS_CHILD | WS_VISIBLE, 0, 100, 160, 50, 20, "fixed"},
        {kIconButton, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 150, 160, 24, 24, ""},
        {kCheckCombo, "COMBOBOX", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 180, 160, 100, 120, ""},
    };
    table.dialogs[kDialog] = tmpl;
    return table;
}

// The check combo box's notifications, as its parent hears them.
int checkChanges = 0;

INT_PTR plainProc(HWND, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_COMMAND && LOWORD(wParam) == kCheckCombo && HIWORD(wParam) == CBN_CHECKCHANGE) ++checkChanges;
    return FALSE;
}

class ControlsTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        win::registerResourceTable(&table_);
        dialog_ = CreateDialogParam(win::instanceHandle(), MAKEINTRESOURCE(kDialog), nullptr, plainProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        win::resetWindowSystem();
        win::unregisterResourceTable(&table_);
        WindowSystemTest::TearDown();
    }
    RECT rectOf(int id) {
        RECT r{};
        GetWindowRect(GetDlgItem(dialog_, id), &r);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<LPPOINT>(&r), 2);
        return r;
    }
    void growClientBy(int dw, int dh) {
        RECT w{};
        GetWindowRect(dialog_, &w);
        MoveWindow(dialog_, w.left, w.top, w.right - w.left + dw, w.bottom - w.top + dh, TRUE);
    }

    win::ResourceTable table_ = makeTable();
    HWND dialog_ = nullptr;
};

}  // namespace

TEST_F(ControlsTest, ResizerMovesAndStretchesByAnchors) {
    CResizer resizer;
    ASSERT_TRUE(resizer.attach(dialog_));
    EXPECT_TRUE(resizer.setAnchor(kStretch, CResizer::All));
    EXPECT_TRUE(resizer.setAnchor(kCorner, CResizer::Right | CResizer::Bottom));
    EXPECT_TRUE(resizer.setAnchor(kBottomLeft, CResizer::Bottom));
    EXPECT_FALSE(resizer.setAnchor(4242, CResizer::All));
    growClientBy(100, 50);
    resizer.resize();
    RECT stretch = rectOf(kStretch), corner = rectOf(kCorner), bottomLeft = rectOf(kBottomLeft), fixed = rectOf(kFixed);
    EXPECT_EQ(stretch.left, 10);
    EXPECT_EQ(stretch.right, 390);
    EXPECT_EQ(stretch.bottom, 200);
    EXPECT_EQ(corner.left, 310);
    EXPECT_EQ(corner.right - corner.left, 80);
    EXPECT_EQ(corner.top, 210);
    EXPECT_EQ(bottomLeft.left, 10);
    EXPECT_EQ(bottomLeft.top, 210);
    EXPECT_EQ(fixed.left, 100);
    EXPECT_EQ(fixed.top, 160);
}

TEST_F(ControlsTest, ResizingBackAndForthNeverDrifts) {
    CResizer resizer;
    ASSERT_TRUE(resizer.attach(dialog_));
    resizer.setAnchor(kStretch, CResizer::All);
    resizer.setAnchor(kCorner, CResizer::Right | CResizer::Bottom);
    for (int i = 0; i < 5; ++i) {
        growClientBy(37, 23);
        resizer.resize();
        growClientBy(-37, -23);
        resizer.resize();
    }
    EXPECT_EQ(rectOf(kStretch).right, 290);
    EXPECT_EQ(rectOf(kCorner).left, 210);
    // Shrunk below the recorded size a stretched control keeps a width of at least 0.
    growClientBy(-400, -300);
    resizer.resize();
    RECT stretch = rectOf(kStretch);
    EXPECT_GE(stretch.right, stretch.left);
}

TEST_F(ControlsTest, TwResizerKeepsTheAttachedSizeAsMinimum) {
    TwResizer resizer;
    ASSERT_TRUE(resizer.attach(dialog_));
    RECT w{};
    GetWindowRect(dialog_, &w);
    MINMAXINFO info{};
    resizer.limitTracking(&info);
    EXPECT_EQ(info.ptMinTrackSize.x, w.right - w.left);
    EXPECT_EQ(info.ptMinTrackSize.y, w.bottom - w.top);
    resizer.setMinimumSize(50, 50);
    info.ptMinTrackSize = POINT{120, 10};
    resizer.limitTracking(&info);
    EXPECT_EQ(info.ptMinTrackSize.x, 120);  // a larger limit set by others stays
    EXPECT_EQ(info.ptMinTrackSize.y, 50);
    EXPECT_FALSE(resizer.attach(static_cast<HWND>(nullptr)));
}

TEST_F(ControlsTest, IconButtonTakesTooltipByNumberAndRefusesMissingIcons) {
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kIconButton, CWnd::FromHandle(dialog_)));
    Kv_Texts::reload();
    button.SetTooltipText(2);
    EXPECT_EQ(button.tooltipText(), dialString(2));
    EXPECT_EQ(CButtonST::tooltipOf(button.m_hWnd), dialString(2));
    EXPECT_EQ(CButtonST::tooltipOf(GetDlgItem(dialog_, kCorner)), "");
    EXPECT_FALSE(button.SetIcon(31999));
    EXPECT_FALSE(button.SetBitmapFile("/no/such/picture.bmp", RGB(255, 255, 255)));
    EXPECT_FALSE(button.hasTransparentColour());
    button.UnsubclassWindow();
}

TEST_F(ControlsTest, BitmapFromAFileKeepsItsTransparentColour) {
    TempFolder folder;
    // A 1 x 1 pixel 24-bit bitmap: file header, info header, one padded row.
    const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0, 0, 40,  0,   0,   0, 1, 0,
                                 0,   0,   1,  0, 0, 0, 1, 0, 24, 0, 0,  0, 0, 0, 4,   0,   0,   0, 0, 0,
                                 0,   0,   0,  0, 0, 0, 0, 0, 0,  0, 0,  0, 0, 0, 255, 255, 255, 0};
    std::ofstream(folder.path() / "Icon.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kIconButton, CWnd::FromHandle(dialog_)));
    ASSERT_TRUE(button.SetBitmapFile(Kv_String(folder.text()) + "ICON.BMP", RGB(255, 255, 255)));
    EXPECT_NE(button.GetBitmap(), nullptr);
    EXPECT_TRUE(button.hasTransparentColour());
    EXPECT_EQ(button.transparentColour(), RGB(255, 255, 255));
    // Its one pixel is of the transparent colour: whatever draws the button sees through it.
    EXPECT_EQ(win::bitmapOf(button.GetBitmap())->at(0, 0) >> 24, 0u);
    button.UnsubclassWindow();
}

TEST_F(ControlsTest, IconCheckButtonTogglesOnClicks) {
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kIconButton, CWnd::FromHandle(dialog_)));
    button.SetCheckButton();
    EXPECT_EQ(button.GetCheck(), BST_UNCHECKED);
    win::input::clickCenter(button.m_hWnd);
    win::pumpMessages();
    EXPECT_EQ(button.GetCheck(), BST_CHECKED);
    win::input::clickCenter(button.m_hWnd);
    win::pumpMessages();
    EXPECT_EQ(button.GetCheck(), BST_UNCHECKED);
    button.UnsubclassWindow();
}

TEST_F(ControlsTest, CheckComboMarksAreSetByTheProgramReadBackAndKeptWhileAPersonSelects) {
    CCheckComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(kCheckCombo, CWnd::FromHandle(dialog_)));
    EXPECT_EQ(combo.AddString("Drill", false), 0);
    EXPECT_EQ(combo.AddString("Weld", true), 1);
    EXPECT_TRUE(combo.GetCheck(1));
    EXPECT_FALSE(combo.GetCheck(0));
    EXPECT_FALSE(combo.SetCheck(2, true));
    EXPECT_FALSE(combo.GetCheck(2));
    EXPECT_EQ(win::describeWindow(combo.m_hWnd).checkMarks, (std::vector<int>{0, 1}));
    EXPECT_NE(win::dumpWindowTree(dialog_).find(R"(items{[ ]"Drill", [x]"Weld"})"), std::string::npos);

    // A person drops the list and picks an entry: the selection changes, the marks do not.
    // (The combo box is moved where no other control lies over it or its list.)
    ShowWindow(GetDlgItem(dialog_, kStretch), SW_HIDE);
    MoveWindow(combo.m_hWnd, 10, 10, 100, 22, TRUE);
    for (int step = 0; step < 2; ++step) {  // opens the list, then clicks the entry
        win::input::chooseComboItem(combo.m_hWnd, 0);
        win::pumpMessages();
    }
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(win::describeWindow(combo.m_hWnd).checkMarks, (std::vector<int>{0, 1}));
    combo.SetCheck(0, true);
    combo.SetCheck(1, false);
    EXPECT_EQ(win::describeWindow(combo.m_hWnd).checkMarks, (std::vector<int>{1, 0}));
    combo.UnsubclassWindow();
}

namespace {

// A 1 x 1 pixel 24-bit bitmap of one colour (blue, green, red bytes).
void writePixel(const std::filesystem::path& file, unsigned char b, unsigned char g, unsigned char r) {
    const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0,
                                 0,   0,   1,  0, 0, 0, 1, 0, 24, 0, 0,  0, 0, 0, 4,  0, 0, 0, 0, 0,
                                 0,   0,   0,  0, 0, 0, 0, 0, 0,  0, 0,  0, 0, 0, b,  g, r, 0};
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof bmp);
}

uint32_t shownPixel(HWND button) {
    auto bitmap = win::bitmapOf(win::describeWindow(button).bitmap);
    return bitmap ? bitmap->at(0, 0) & 0xFFFFFF : 0;
}

}  // namespace

TEST_F(ControlsTest, PictureCheckBoxShowsThePictureOfItsStateAsAPersonClicksIt) {
    TempFolder folder;
    writePixel(folder.path() / "off.bmp", 0, 0, 200);
    writePixel(folder.path() / "on.bmp", 0, 200, 0);
    HWND box = GetDlgItem(dialog_, kIconButton);
    SetWindowLongPtr(box, GWL_STYLE, (GetWindowLongPtr(box, GWL_STYLE) & ~BS_TYPEMASK) | BS_AUTOCHECKBOX);
    CButtonST button;
    ASSERT_TRUE(button.SubclassDlgItem(kIconButton, CWnd::FromHandle(dialog_)));
    const Kv_String dir(folder.text());
    EXPECT_FALSE(button.SetStateBitmapFiles(dir + "off.bmp", dir + "missing.bmp", RGB(255, 0, 255)));
    EXPECT_EQ(button.GetBitmap(), nullptr);
    ASSERT_TRUE(button.SetStateBitmapFiles(dir + "off.bmp", dir + "on.bmp", RGB(255, 0, 255)));
    EXPECT_EQ(shownPixel(box), 0xC80000u);
    win::input::clickCenter(box);
    win::pumpMessages();
    EXPECT_EQ(button.GetCheck(), BST_CHECKED);
    EXPECT_EQ(shownPixel(box), 0x00C800u);
    win::input::pressKey(VK_SPACE);
    win::pumpMessages();
    EXPECT_EQ(button.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(shownPixel(box), 0xC80000u);
    // An undetermined part shows the unchecked picture.
    button.SetButtonStyle((button.GetStyle() & ~BS_TYPEMASK) | BS_AUTO3STATE);
    button.SetCheck(BST_INDETERMINATE);
    EXPECT_EQ(shownPixel(box), 0xC80000u);
    button.UnsubclassWindow();
}

TEST_F(ControlsTest, CheckComboThatAPersonTicksChangesMarksByClickAndSpaceNotTheSelection) {
    CCheckComboBox combo(CCheckComboBox::PersonTicks);
    ASSERT_TRUE(combo.SubclassDlgItem(kCheckCombo, CWnd::FromHandle(dialog_)));
    ShowWindow(GetDlgItem(dialog_, kStretch), SW_HIDE);
    MoveWindow(combo.m_hWnd, 10, 10, 120, 22, TRUE);
    combo.AddString("Slot nr: 1", false);
    combo.AddString("Slot nr: 2", true);
    combo.SetCurSel(0);
    checkChanges = 0;
    win::input::clickComboCheck(combo.m_hWnd, 1);  // opens the list
    win::pumpMessages();
    win::input::clickComboCheck(combo.m_hWnd, 1);  // the mark of the second entry
    win::pumpMessages();
    EXPECT_TRUE(combo.GetDroppedState());
    EXPECT_FALSE(combo.GetCheck(1));
    EXPECT_EQ(combo.GetCurSel(), 0);
    // Space ticks the entry under the highlight of the opened list, or the selected one.
    win::input::pressKey(VK_DOWN);
    win::input::pressKey(VK_SPACE);
    win::pumpMessages();
    EXPECT_TRUE(combo.GetCheck(1));
    win::input::pressKey(VK_ESCAPE);
    win::pumpMessages();
    EXPECT_FALSE(combo.GetDroppedState());
    win::input::pressKey(VK_UP);
    win::input::pressKey(VK_SPACE);
    win::pumpMessages();
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(win::describeWindow(combo.m_hWnd).checkMarks, (std::vector<int>{1, 1}));
    EXPECT_EQ(checkChanges, 3);
    combo.UnsubclassWindow();
}
