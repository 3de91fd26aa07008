// Everything a Sheet holds, shared by the model's source files.  A Sheet owns one through a
// pointer, so that a load can build a complete new one and swap it in only when everything
// was read.  The calculation (calc/) is owned here and told of every change of content; it
// sees of this only what model/formula_cells.h gives it.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/cell_store.h"
#include "model/format_table.h"
#include "model/formula_groups.h"
#include "model/string_pool.h"
#include "sheet/formula/function_registry.h"
#include "sheet/sheet.h"

namespace sheet {

class Calculation;

constexpr int32_t kDefaultRows = 100;
constexpr int32_t kDefaultCols = 26;

struct SheetData {
    SheetData();
    ~SheetData();

    int32_t maxRows = kDefaultRows;
    int32_t maxCols = kDefaultCols;
    CellStore cells;
    StringPool strings;
    FormatTable formats;
    FormulaGroups formulas;
    std::vector<CellSpan> spans;
    std::vector<int32_t> colWidths, rowHeights;  // index 0 is the header; -1 the default
    std::bitset<kOptionCount> options;
    SheetSettings settings;
    FunctionRegistry functions;
    CellRef active{1, 1};
    std::optional<RangeRef> selection;
    std::unique_ptr<Calculation> calc;

    bool inside(CellRef c) const { return c.col >= 0 && c.row >= 0 && c.col <= maxCols && c.row <= maxRows; }
    // The option defaults of a new sheet.
    void resetOptions();
};

}  // namespace sheet
