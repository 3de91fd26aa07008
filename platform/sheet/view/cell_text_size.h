// Text extents of cells, as the engine fits columns and rows to their contents.  Widths in
// characters count the average character of the sheet's default font.
#pragma once

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

 private:
  const win::TextMeasure& measureOf(const CellFormat& format);

  const Sheet& sheet_;
  std::vector<std::pair<const CellFormat*, win::TextMeasure>> looks_;
};

}  // namespace sheet
