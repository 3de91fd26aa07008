#include <gtest/gtest.h>

#include "render/output.h"
#include "render/palette.h"
#include "scene_probe.h"
#include "sheet/sheet.h"
#include "sheet_grid.h"
#include "win/draw.h"

using namespace render;
using render::probe::colorAt;
using render::probe::countColor;
using render::probe::hasColor;

namespace {

constexpr Rgb kTick = rgb(0, 0x80, 0), kEmpty = rgb(0x80, 0, 0x80);

uint64_t pictureHandle(Rgb color) {
    win::Bitmap b;
    b.width = b.height = 13;
    b.pixels.assign(169, 0xFF000000u | color);
    return reinterpret_cast<uintptr_t>(win::createBitmapHandle(b));
}

// A small sheet as the module's tables make them: a locked name column, a check column with
// the two check-box pictures, a value column.
class SheetGrid : public ::testing::Test {
protected:
    void SetUp() override {
        sheet_.setMaxCols(3);
        sheet_.setMaxRows(4);
        sheet_.setColWidth(0, 30);
        sheet_.setRowHeight(0, 20);
        sheet::CellTypeRecord check;
        check.kind = sheet::CellKind::CheckBox;
        check.style = 768;
        check.pictures = {pictureHandle(kEmpty), pictureHandle(kTick), pictureHandle(kEmpty), pictureHandle(kTick)};
        check.pictureKinds = {6, 6, 6, 6};
        sheet_.setCellType({{2, 1}, {2, 4}}, check);
        sheet_.setData({2, 1}, "1");
        sheet_.setData({2, 2}, "0");
        sheet_.setData({1, 0}, "Name");
        sheet_.setData({1, 1}, "Length");
        sheet_.setLocked({{1, 1}, {1, 4}}, true);
        sheet_.settings().lockBackColor = 0xE6E6E6;
        sheet_.setOption(sheet::kOptProtect, true);
        sheet_.setOption(sheet::kOptColHeaderShown, true);
        sheet_.setOption(sheet::kOptRowHeaderShown, true);
        sheet_.setActiveCell({3, 2});
    }

    Image paint(detail::SheetViewState view) {
        Scene scene;
        scene.width = view.client.right;
        scene.height = view.client.bottom;
        addGrid(scene, detail::gridOfSheet(sheet_, view));
        return rasterize(scene);
    }

    detail::SheetViewState view() {
        detail::SheetViewState v;
        v.client = {0, 0, 30 + 3 * sheet_.colWidth(1), 20 + 4 * sheet_.rowHeight(1)};
        v.focused = true;
        return v;
    }

    Rect cell(int col, int row) {
        int w = sheet_.colWidth(1), h = sheet_.rowHeight(1);
        return {30 + (col - 1) * w, 20 + (row - 1) * h, 30 + col * w, 20 + row * h};
    }

    sheet::Sheet sheet_;
};

}  // namespace

TEST_F(SheetGrid, CheckCellShowsThePictureOfItsState) {
    Image image = paint(view());
    EXPECT_EQ(countColor(image, cell(2, 1), kTick), 169);
    EXPECT_FALSE(hasColor(image, cell(2, 1), kEmpty));
    EXPECT_EQ(countColor(image, cell(2, 2), kEmpty), 169);
    EXPECT_FALSE(hasColor(image, cell(2, 2), kTick));
}

TEST_F(SheetGrid, LockedCellsTakeTheLockColourAndHeadersTheirTexts) {
    Image image = paint(view());
    Rect locked = cell(1, 3);
    EXPECT_EQ(colorAt(image, locked.left + 4, locked.top + 4), rgb(0xE6, 0xE6, 0xE6));
    Rect open = cell(3, 3);
    EXPECT_EQ(colorAt(image, open.left + 4, open.top + 4), palette::window);
    EXPECT_TRUE(hasColor(image, {cell(1, 1).left, 0, cell(1, 1).right, 20}, palette::buttonText));
}

TEST_F(SheetGrid, ActiveCellIsFramedOnlyWithFocus) {
    Rect active = cell(3, 2);
    EXPECT_EQ(colorAt(paint(view()), active.left + 10, active.top), palette::windowText);
    detail::SheetViewState unfocused = view();
    unfocused.focused = false;
    EXPECT_NE(colorAt(paint(unfocused), active.left + 10, active.top), palette::windowText);
}

TEST_F(SheetGrid, ScrollsToShowTheActiveCell) {
    sheet_.setMaxRows(200);
    sheet_.setActiveCell({3, 150});
    sheet_.setData({3, 150}, "far");
    GridView g = detail::gridOfSheet(sheet_, view());
    GridOrigin origin = visibleOrigin(g);
    EXPECT_GT(origin.row, 100);
    EXPECT_LE(origin.row, 150);
    bool found = false;
    for (const GridCell& c : g.cells) found |= c.row == 150 && c.col == 3 && c.text == "far";
    EXPECT_TRUE(found);
}
