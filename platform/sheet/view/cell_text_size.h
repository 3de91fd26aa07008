// Text extents of cells, as the engine fits columns and rows to their contents.  Widths in
// characters count the average character of the sheet's default font.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "sheet/sheet.h"
#include "win/font.h"

namespace sheet {

win::FontSpec defaultCellFont();
// Pixels of one character of width; at least 1.
int defaultCharWidth();
win::FontSpec cellFont(const CellFormat& format);

// Measures the cells of one sheet, each look's font prepared once.  Picture cells have no
// text worth measuring.  The sheet must not change while a measurer lives.
class CellTextMeasurer {
public:
    explicit CellTextMeasurer(const Sheet& sheet) : sheet_(sheet) {}
    win::TextSize size(CellRef cell);
    // A text as it would measure in a cell of that look.
    win::TextSize size(std::string_view data, const CellFormat& look);

private:
    const win::TextMeasure& measureOf(const CellFormat& format);

    const Sheet& sheet_;
    std::vector<std::pair<const CellFormat*, win::TextMeasure>> looks_;
};

}  // namespace sheet
