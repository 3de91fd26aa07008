// Changing what a cell holds, and telling the calculation, which follows up: the formula's
// references, out-of-date marks on the formulas that read the cell, the look-up index of its
// column.  Used by the sheet's content calls and structural edits.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/sheet_data.h"

namespace sheet {

// A constant as typed: a number when the text reads as one, else the text.  typedText is
// left non-empty when the text must be kept beside the number ("1.50").
Value constantFromText(std::string_view text, std::string_view& typedText);

// Replaces the cell's content by a constant (an empty value empties it).
void putConstant(SheetData& d, CellRef cell, Value value, std::string_view typedText = {});
// Replaces the cell's content by a formula.  With a known result (a loaded file), the cell
// starts up to date with it; otherwise it is marked out of date.
void putFormula(SheetData& d, CellRef cell, std::shared_ptr<const Formula> formula, const Value* knownResult = nullptr);
// The cell's data as Sheet::data gives it: the typed text, else the value's text.  A number's
// text is made in `scratch`, so that a walk over many cells makes no string per cell.
std::string_view cellDataText(const SheetData& d, const Cell& cell, std::string& scratch);

// Releases everything the cell holds (content, texts, tag) without touching the graph; for
// cells that are about to be discarded wholesale.
void releaseCell(SheetData& d, Cell& cell);

}  // namespace sheet
