#include "model/sheet_data.h"

namespace sheet {

SheetData::SheetData() : functions(builtinFunctions()) {
  RunningSums::install(functions);
  resetOptions();
}

void SheetData::resetOptions() {
  options.reset();
  for (int o : {kOptColHeaderShown, kOptRowHeaderShown, kOptAutoCalc, kOptRedraw,
                kOptFormulas, kOptVertScrollBar, kOptHorzScrollBar, kOptColumnResize,
                kOptTabInSheet, kOptEnterInSheet})
    options.set(o);
}

bool SheetData::markDirty(CellRef c) {
  const Cell* cell = cells.find(c);
  if (!cell || !cell->formula) return false;
  if (dirty.size() <= static_cast<size_t>(c.col)) dirty.resize(c.col + 1);
  if (!dirty[c.col].set(c.row)) return false;
  ++dirtyCount;
  return true;
}

void SheetData::clearDirty(CellRef c) {
  if (static_cast<size_t>(c.col) < dirty.size() && dirty[c.col].reset(c.row)) --dirtyCount;
}

void SheetData::markReaders(CellRef changed) {
  if (bulkLoading) return;
  queue.clear();
  graph.readersOf(cells, changed, queue);
  for (size_t head = 0; head < queue.size(); ++head) {
    CellRef reader = queue[head];
    if (markDirty(reader)) graph.readersOf(cells, reader, queue);
  }
  queue.clear();
}

uint64_t SheetData::volatileKey(CellRef c) {
  return static_cast<uint64_t>(static_cast<uint32_t>(c.col)) << 32 | static_cast<uint32_t>(c.row);
}

void SheetData::markVolatile() {
  for (uint64_t key : volatileCells) {
    CellRef c{static_cast<int32_t>(key >> 32), static_cast<int32_t>(key & 0xFFFFFFFFu)};
    markDirty(c);
    markReaders(c);
  }
}

void SheetData::linkFormula(CellRef c, uint32_t handle) {
  refScratch.clear();
  formulaReferences(handle, c, refScratch);
  for (const RangeRef& r : refScratch) graph.add(cells, c, r, maxCols, maxRows);
  if (formulas.isVolatile(handle)) volatileCells.insert(volatileKey(c));
}

void SheetData::unlinkFormula(CellRef c, uint32_t handle) {
  refScratch.clear();
  formulaReferences(handle, c, refScratch);
  graph.remove(cells, c, refScratch, maxCols, maxRows);
  volatileCells.erase(volatileKey(c));
}

void SheetData::rebuildGraph() {
  graph.clear();
  volatileCells.clear();
  dirty.clear();
  dirtyCount = 0;
  lookups.clear();
  runningSums.clear();
  std::vector<CellRef> formulaCells;
  cells.forEach([&](CellRef ref, Cell& cell) {
    cell.dependents = 0;
    cell.mark = 0;
    if (cell.formula) formulaCells.push_back(ref);
  });
  for (CellRef ref : formulaCells) {
    linkFormula(ref, cells.find(ref)->formula);
    markDirty(ref);
  }
}

}  // namespace sheet
