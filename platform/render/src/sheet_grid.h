#pragma once
// Reads a sheet model into the neutral grid description.

#include "render/grid.h"
#include "sheet/sheet.h"

namespace render::detail {

struct SheetViewState {
    Rect client;                  // the sheet window's client area in the picture
    Font font;                    // the window's font: cells without a font of their own use it
    int leftCol = 1, topRow = 1;  // the window's scroll position
    bool focused = false;         // the active cell is framed only while the sheet has the focus
};

GridView gridOfSheet(const sheet::Sheet& sheet, const SheetViewState& view);

}  // namespace render::detail
