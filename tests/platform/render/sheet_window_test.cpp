#include <gtest/gtest.h>

#include "render/palette.h"
#include "render/window.h"
#include "scene_probe.h"
#include "sheet/ss_api.h"
#include "win/draw.h"
#include "win/readback.h"
#include "win/resource.h"
#include "win/system.h"
#include "win/winuser.h"

using namespace render;
using render::probe::countColor;
using render::probe::hasColor;

namespace {

constexpr Rgb kTick = rgb(0, 0x80, 0), kEmpty = rgb(0x80, 0, 0x80);
constexpr int kSheetId = 1196;

HBITMAP picture(Rgb color) {
    win::Bitmap b;
    b.width = b.height = 13;
    b.pixels.assign(169, 0xFF000000u | color);
    return win::createBitmapHandle(b);
}

INT_PTR plainDialog(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

}  // namespace

// A dialog holding a small sheet whose second column is a check column with two pictures.
TEST(SheetWindowPicture, CheckCellShowsTheCheckedPicture) {
    win::resetWindowSystem();
    SSRegisterClass();
    win::DialogTemplate t;
    t.id = 9201;
    t.caption = "Sheet";
    t.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;
    t.cx = 360;
    t.cy = 200;
    win::ControlTemplate sheetControl;
    sheetControl.id = kSheetId;
    sheetControl.className = kSpreadClassName;
    sheetControl.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    sheetControl.x = 10;
    sheetControl.y = 10;
    sheetControl.cx = 330;
    sheetControl.cy = 140;
    t.controls.push_back(sheetControl);
    HWND dialog = CreateDialogIndirectParam(win::instanceHandle(), &t, nullptr, plainDialog, 0);
    ASSERT_NE(dialog, nullptr);
    HWND sheetWindow = GetDlgItem(dialog, kSheetId);
    SSSetMaxCols(sheetWindow, 3);
    SSSetMaxRows(sheetWindow, 3);
    SS_CELLTYPE check;
    HBITMAP empty = picture(kEmpty), ticked = picture(kTick);
    SSSetTypeCheckBox(sheetWindow, &check, 768, "", static_cast<HANDLE>(empty), 6, static_cast<HANDLE>(ticked), 6,
                      static_cast<HANDLE>(empty), 6, static_cast<HANDLE>(ticked), 6);
    SSSetCellTypeRange(sheetWindow, 2, 1, 2, 3, &check);
    SSSetData(sheetWindow, 2, 1, "1");
    SSSetData(sheetWindow, 2, 2, "0");
    SSSetData(sheetWindow, 1, 1, "Web");
    win::pumpMessages();

    Image image = renderWindow(dialog);
    RECT outer = win::describeWindow(dialog).windowRect, inner = win::describeWindow(sheetWindow).windowRect;
    Rect sheetArea{inner.left - outer.left, inner.top - outer.top, inner.right - outer.left, inner.bottom - outer.top};
    EXPECT_EQ(countColor(image, sheetArea, kTick), 169);       // the ticked cell
    EXPECT_EQ(countColor(image, sheetArea, kEmpty), 169 * 2);  // the two cells that are not
    EXPECT_TRUE(hasColor(image, sheetArea, palette::gridLine));
    win::resetWindowSystem();
}
