// The walk over every stored cell, as the file formats write a sheet.
#include "calc/calculation.h"
#include "model/sheet_data.h"
#include "sheet/sheet.h"

namespace sheet {

void Sheet::forEachCell(const std::function<void(const CellEntry&)>& visit) const {
  const SheetData& d = *d_;
  const auto chunks = d.cells.chunksInReadingOrder();
  for (size_t block = 0; block < chunks.size();) {
    // The chunks of one block of rows: walk its rows, each across those columns only.
    size_t blockEnd = block;
    while (blockEnd < chunks.size() && chunks[blockEnd].first == chunks[block].first) ++blockEnd;
    const int32_t blockStart = chunks[block].first;
    for (int32_t row = blockStart; row < blockStart + CellStore::kChunkRows; ++row) {
      for (size_t k = block; k < blockEnd; ++k) {
        const int32_t col = chunks[k].second;
        const Cell& c = (*d.cells.chunk(col, row))[row & (CellStore::kChunkRows - 1)];
        if (!c.hasContent() && c.format == 0 && c.tag == 0) continue;
        const CellRef at{col, row};
        visit(CellEntry{at, c.value, d.strings.get(c.text), d.strings.get(c.tag), c.format,
                        c.formula != 0, c.formula != 0 && d.calc->isDirty(at)});
      }
    }
    block = blockEnd;
  }
}

}  // namespace sheet
