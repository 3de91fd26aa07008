// Everything a Sheet holds, shared by the model, recalculation, file and view code of this
// library.  A Sheet owns one through a pointer, so that a load can build a complete new one
// and swap it in only when everything was read.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "calc/dependency_graph.h"
#include "calc/formula_groups.h"
#include "calc/lookup_index.h"
#include "calc/row_bitset.h"
#include "calc/running_sum.h"
#include "model/cell_store.h"
#include "model/format_table.h"
#include "model/string_pool.h"
#include "sheet/formula/function_registry.h"
#include "sheet/sheet.h"

namespace sheet {

constexpr int32_t kDefaultRows = 100;
constexpr int32_t kDefaultCols = 26;

struct SheetData {
  SheetData();

  Sheet* owner = nullptr;
  int32_t maxRows = kDefaultRows;
  int32_t maxCols = kDefaultCols;
  CellStore cells;
  StringPool strings;
  FormatTable formats;
  FormulaGroups formulas;
  DependencyGraph graph;
  LookupIndex lookups;
  RunningSums runningSums;
  // Out-of-date formula cells, one row set per column.
  std::vector<RowBitset> dirty;
  size_t dirtyCount = 0;
  std::vector<CellSpan> spans;
  std::vector<int32_t> colWidths, rowHeights;   // index 0 is the header; -1 the default
  std::bitset<kOptionCount> options;
  SheetSettings settings;
  FunctionRegistry functions;
  // Set once a function that names cells (FunctionDef::namedCells) is registered: from then
  // on a formula's dependencies are found with the registry's help.
  bool namedCellFunctions = false;
  CellRef active{1, 1};
  std::optional<RangeRef> selection;
  bool recalculating = false;
  // Set while a file is read: every formula is out of date or holds its saved result, so
  // marking the readers of each cell entered would only cost time.
  bool bulkLoading = false;
  // Scratch of the dirty marking, kept to avoid allocating per edit.
  std::vector<CellRef> queue;
  // Formula cells computed at every recalculation (Formula::isVolatile), keyed col << 32 | row.
  std::unordered_set<uint64_t> volatileCells;
  std::vector<RangeRef> refScratch;

  bool inside(CellRef c) const {
    return c.col >= 0 && c.row >= 0 && c.col <= maxCols && c.row <= maxRows;
  }
  // Marks one formula cell out of date; false when it is no formula or already marked.
  bool markDirty(CellRef c);
  void clearDirty(CellRef c);
  bool isDirty(CellRef c) const {
    return static_cast<size_t>(c.col) < dirty.size() && dirty[c.col].test(c.row);
  }
  // Marks every formula that reads `changed`, directly or through others.
  void markReaders(CellRef changed);
  // The references the formula in `c` reads: its dependencies.
  void formulaReferences(uint32_t handle, CellRef c, std::vector<RangeRef>& out) const {
    formulas.references(handle, c, out, namedCellFunctions ? &functions : nullptr);
  }
  // Records the references of the formula in `c` in the graph (or forgets them).
  void linkFormula(CellRef c, uint32_t handle);
  void unlinkFormula(CellRef c, uint32_t handle);
  // Marks the volatile formulas and their readers out of date.
  void markVolatile();
  static uint64_t volatileKey(CellRef c);
  // Rebuilds the graph from the formulas and marks every formula out of date (after
  // structural edits and size changes).
  void rebuildGraph();
  // The option defaults of a new sheet.
  void resetOptions();
};

}  // namespace sheet
