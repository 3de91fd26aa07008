#include <gtest/gtest.h>

#include "render/grid.h"
#include "render/output.h"
#include "scene_probe.h"

using namespace render;
using render::probe::colorAt;
using render::probe::countColor;
using render::probe::hasColor;

namespace {

// 5 columns of 60 pixels and rows of 18 pixels, headers 30 wide and 18 high.
GridView smallGrid(int cols = 5, int rows = 5) {
    GridView g;
    g.rect = {0, 0, 30 + 5 * 60, 18 + 5 * 18};
    g.cols = cols;
    g.rows = rows;
    g.headerWidth = 30;
    g.defaultColWidth = 60;
    g.defaultRowHeight = 18;
    g.headerHeight = 18;
    return g;
}

Rect cellRect(int col, int row) { return {30 + (col - 1) * 60, 18 + (row - 1) * 18, 30 + col * 60, 18 + row * 18}; }

Image paint(const GridView& g) {
    Scene scene;
    scene.width = g.rect.right;
    scene.height = g.rect.bottom;
    addGrid(scene, g);
    return rasterize(scene);
}

Image picture(Rgb color, int size = 9) {
    return Image{size, size, std::vector<uint32_t>(size_t(size * size), 0xFF000000u | color)};
}

}  // namespace

TEST(GridLabels, ColumnLettersRollOverLikeASheet) {
    EXPECT_EQ(columnLabel(1), "A");
    EXPECT_EQ(columnLabel(26), "Z");
    EXPECT_EQ(columnLabel(27), "AA");
    EXPECT_EQ(columnLabel(52), "AZ");
    EXPECT_EQ(columnLabel(703), "AAA");
}

TEST(GridScroll, ActiveCellBelowTheViewScrollsItIntoView) {
    GridView g = smallGrid(5, 100);
    g.activeRow = 40;
    GridOrigin o = visibleOrigin(g);
    EXPECT_GT(o.row, 1);
    EXPECT_LE(o.row, 40);
    // Rows o.row..40 fit in the cell area (the grid shows a horizontal bar only when needed).
    EXPECT_LE((40 - o.row + 1) * 18, g.rect.height() - 18);
    EXPECT_GT((40 - o.row + 2) * 18, g.rect.height() - 18 - 16);
}

TEST(GridScroll, ActiveCellAboveOrLeftOfTheViewStartsIt) {
    GridView g = smallGrid(30, 100);
    g.topRow = 50;
    g.leftCol = 20;
    g.activeRow = 10;
    g.activeCol = 3;
    EXPECT_EQ(visibleOrigin(g), (GridOrigin{3, 10}));
    g.activeRow = 52;
    g.activeCol = 21;
    EXPECT_EQ(visibleOrigin(g), (GridOrigin{20, 50}));  // already visible: no scrolling
}

TEST(GridScroll, WideActiveColumnScrollsRight) {
    GridView g = smallGrid(10, 3);
    g.colWidths[8] = 200;
    g.activeCol = 8;
    GridOrigin o = visibleOrigin(g);
    EXPECT_GT(o.col, 1);
    EXPECT_LE(o.col, 8);
}

TEST(GridPaint, HeadersCarryLettersNumbersAndOwnTexts) {
    GridView g = smallGrid();
    Image plain = paint(g);
    // Header cells are face coloured with dark text.
    EXPECT_EQ(colorAt(plain, 31 + 3, 9), palette::face);
    EXPECT_TRUE(hasColor(plain, {30, 0, 90, 18}, palette::buttonText));
    EXPECT_TRUE(hasColor(plain, {0, 18, 30, 36}, palette::buttonText));
    GridCell header{2, 0, ""};
    g.cells.push_back(header);  // an explicit empty header replaces the letter
    Image blank = paint(g);
    EXPECT_FALSE(hasColor(blank, {92, 2, 148, 16}, palette::buttonText));
}

TEST(GridPaint, LockedCellTakesTheLockColourOnlyWhenProtected) {
    GridView g = smallGrid();
    g.lockBackground = rgb(0xE6, 0xE6, 0xE6);
    GridCell locked{2, 2, ""};
    locked.locked = true;
    g.cells.push_back(locked);
    Rect c = cellRect(2, 2);
    EXPECT_EQ(colorAt(paint(g), c.left + 5, c.top + 5), rgb(0xE6, 0xE6, 0xE6));
    EXPECT_EQ(colorAt(paint(g), cellRect(3, 2).left + 5, c.top + 5), palette::window);
    g.protect = false;
    EXPECT_EQ(colorAt(paint(g), c.left + 5, c.top + 5), palette::window);
}

TEST(GridPaint, SelectedBlockIsHighlightedButTheActiveCellIsFramed) {
    GridView g = smallGrid();
    g.selCol1 = 2;
    g.selRow1 = 2;
    g.selCol2 = 3;
    g.selRow2 = 3;
    g.activeCol = 2;
    g.activeRow = 2;
    Image image = paint(g);
    EXPECT_EQ(colorAt(image, cellRect(3, 3).left + 10, cellRect(3, 3).top + 8), palette::selection);
    EXPECT_EQ(colorAt(image, cellRect(2, 3).left + 10, cellRect(2, 3).top + 8), palette::selection);
    Rect active = cellRect(2, 2);
    EXPECT_EQ(colorAt(image, active.left + 10, active.top + 8), palette::window);
    EXPECT_EQ(colorAt(image, active.left + 10, active.top), palette::windowText);      // frame top
    EXPECT_EQ(colorAt(image, active.right - 1, active.top + 8), palette::windowText);  // frame right
    EXPECT_EQ(colorAt(image, cellRect(4, 4).left + 10, cellRect(4, 4).top + 8), palette::window);
}

TEST(GridPaint, CheckCellShowsThePictureOfItsState) {
    const Rgb tickColor = rgb(0, 0x80, 0), emptyColor = rgb(0x80, 0, 0x80);
    GridView g = smallGrid();
    for (int row : {1, 2}) {
        GridCell check{1, row, row == 1 ? "1" : "0"};
        check.kind = GridCellKind::CheckBox;
        check.align = HAlign::Center;
        check.checkedPicture = picture(tickColor);
        check.uncheckedPicture = picture(emptyColor);
        g.cells.push_back(check);
    }
    Image image = paint(g);
    EXPECT_EQ(countColor(image, cellRect(1, 1), tickColor), 81);
    EXPECT_FALSE(hasColor(image, cellRect(1, 1), emptyColor));
    EXPECT_EQ(countColor(image, cellRect(1, 2), emptyColor), 81);
    EXPECT_FALSE(hasColor(image, cellRect(1, 2), tickColor));
}

TEST(GridPaint, CheckCellWithoutPicturesDrawsABox) {
    GridView g = smallGrid();
    GridCell check{1, 1, "1"};
    check.kind = GridCellKind::CheckBox;
    g.cells.push_back(check);
    g.activeCol = 3;
    Image image = paint(g);
    EXPECT_TRUE(hasColor(image, cellRect(1, 1).inflate(-2), palette::darkShadow3d));
    EXPECT_TRUE(hasColor(image, cellRect(1, 1).inflate(-2), palette::windowText));
}

TEST(GridPaint, SpanCoversItsCellsWithoutGridLines) {
    GridView g = smallGrid();
    g.activeCol = 5;
    g.spans.push_back({2, 2, 2, 1});
    Image image = paint(g);
    // The line between columns 2 and 3 is missing in row 2 but present in row 3.
    int between = cellRect(2, 2).right - 1;
    EXPECT_EQ(colorAt(image, between, cellRect(2, 2).top + 8), palette::window);
    EXPECT_EQ(colorAt(image, between, cellRect(2, 3).top + 8), palette::gridLine);
}

TEST(GridPaint, CellColoursBordersAndAlignment) {
    GridView g = smallGrid();
    g.activeCol = 5;
    GridCell colored{1, 1, ""};
    colored.background = rgb(0xFF, 0xFF, 0xC0);
    colored.bottom = {true, rgb(0xFF, 0, 0), false};
    g.cells.push_back(colored);
    GridCell right{2, 1, "12.5"};
    right.align = HAlign::Right;
    g.cells.push_back(right);
    Image image = paint(g);
    Rect c = cellRect(1, 1);
    EXPECT_EQ(colorAt(image, c.left + 10, c.top + 5), rgb(0xFF, 0xFF, 0xC0));
    EXPECT_EQ(colorAt(image, c.left + 10, c.bottom - 1), rgb(0xFF, 0, 0));
    Rect r = cellRect(2, 1);
    Rect ink = probe::inkBounds(image, {r.left, r.top, r.right - 1, r.bottom - 1}, palette::window);
    EXPECT_GT(ink.left, r.left + r.width() / 2);
}

TEST(GridPaint, ComboAndButtonCellsShowTheirControls) {
    GridView g = smallGrid();
    g.activeCol = 5;
    GridCell combo{1, 1, "IPE"};
    combo.kind = GridCellKind::ComboBox;
    GridCell button{2, 1, "..."};
    button.kind = GridCellKind::Button;
    g.cells.push_back(combo);
    g.cells.push_back(button);
    Image image = paint(g);
    Rect c = cellRect(1, 1);
    EXPECT_EQ(colorAt(image, c.right - 4, c.top + 3), palette::face);  // the drop button
    EXPECT_EQ(colorAt(image, c.left + 30, c.top + 3), palette::window);
    Rect b = cellRect(2, 1);
    EXPECT_EQ(colorAt(image, b.left + 5, b.top + 3), palette::face);
    EXPECT_EQ(colorAt(image, b.left, b.top + 5), palette::highlight3d);
}

TEST(GridPaint, GreyAreaBeyondTheLastColumnAndScrollBarsWhenTooBig) {
    GridView g = smallGrid(2, 2);
    Image small = paint(g);
    EXPECT_EQ(colorAt(small, cellRect(4, 4).left + 5, cellRect(4, 4).top + 5), palette::face);
    GridView big = smallGrid(50, 500);
    Image scrolled = paint(big);
    // Bars along the right and bottom edges, face coloured with dark arrows.
    EXPECT_GT(countColor(scrolled, {big.rect.right - 16, 18, big.rect.right, big.rect.bottom - 16}, palette::face),
              100);
    EXPECT_TRUE(hasColor(scrolled, {big.rect.right - 16, 0, big.rect.right, 18}, palette::buttonText));
}
