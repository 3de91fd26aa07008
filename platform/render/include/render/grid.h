#pragma once
// A spreadsheet grid described neutrally: what the sheet window shows, independent of the
// sheet engine's model.  The sheet adapter fills it from the engine; tests fill it directly.
// Columns and rows count from 1; column 0 is the row-header column and row 0 the
// column-header row.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "render/palette.h"
#include "render/scene.h"

namespace render {

enum class GridCellKind { Text, CheckBox, ComboBox, Button, Picture };

struct GridBorder {
    bool present = false;
    Rgb color = 0;
    bool dotted = false;
};

struct GridCell {
    int col = 1, row = 1;
    std::string text;   // for a check cell: "1" ticked; for a button: its caption
    std::string label;  // a check cell's own text, beside its box
    GridCellKind kind = GridCellKind::Text;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Middle;
    bool wrap = false;
    std::optional<Font> font;
    std::optional<Rgb> background, foreground;
    GridBorder left, top, right, bottom;
    bool locked = false;
    std::optional<Image> uncheckedPicture, checkedPicture;  // check cells
    std::optional<Image> picture;                           // picture cells
    bool stretchPicture = false;
};

struct GridSpan {
    int col = 1, row = 1, cols = 1, rows = 1;
};

struct GridView {
    Rect rect;  // the sheet's client area in the picture
    int cols = 0, rows = 0;
    Font font;
    bool showColHeaders = true, showRowHeaders = true;
    int headerWidth = 32, headerHeight = 0;  // 0: from the font
    int defaultColWidth = 64, defaultRowHeight = 0;
    std::map<int, int> colWidths, rowHeights;  // by index; a width of 0 hides the column
    std::vector<GridCell> cells;               // sparse; header cells have row or column 0
    std::vector<GridSpan> spans;
    bool gridLines = true;
    Rgb gridColor = palette::gridLine;
    Rgb background = palette::window;
    Rgb grayArea = palette::face;  // beyond the last column and row
    bool protect = true;           // locked cells take the lock colours
    std::optional<Rgb> lockBackground, lockForeground;
    Rgb selectionBackground = palette::selection;
    Rgb selectionText = palette::selectionText;
    int activeCol = 1, activeRow = 1;
    bool showActive = true;
    int selCol1 = 0, selRow1 = 0, selCol2 = 0, selRow2 = 0;  // 0: no block selected
    int leftCol = 1, topRow = 1;                             // scroll position before showing the active cell
    bool scrollBars = true;                                  // shown when the cells do not fit
};

struct GridOrigin {
    int col = 1, row = 1;
    bool operator==(const GridOrigin&) const = default;
};

// The first column and row shown: the view's scroll position, moved just enough that the
// active cell is wholly visible (or starts the view when it is larger than the view).
GridOrigin visibleOrigin(const GridView& grid);

// "A".."Z", "AA".."ZZ", "AAA"...
std::string columnLabel(int col);

// Appends the grid to a scene, clipped to grid.rect.
void addGrid(Scene& scene, const GridView& grid);

}  // namespace render
