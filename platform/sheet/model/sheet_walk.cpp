// The walks over a sheet: every stored cell, as the file formats write a sheet, and every cell
// of a range, as the view measures texts.
#include <algorithm>
#include <string>
#include <vector>

#include "calc/calculation.h"
#include "model/cell_content.h"
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
                visit(CellEntry{at, c.value, d.strings.get(c.text), d.strings.get(c.tag), c.format, c.formula != 0,
                                c.formula != 0 && d.calc->isDirty(at)});
            }
        }
        block = blockEnd;
    }
}

void Sheet::forEachInRange(const RangeRef& range,
                           const std::function<void(CellRef, std::string_view, const CellFormat&)>& visit) const {
    const SheetData& d = *d_;
    const int32_t firstCol = std::max(range.first.col, 0), lastCol = std::min(range.last.col, d.maxCols);
    const int32_t lastRow = std::min(range.last.row, d.maxRows);
    if (firstCol > lastCol) return;
    const CellFormat& plain = d.formats.get(0);
    std::string scratch;
    std::vector<const CellStore::Chunk*> chunks(static_cast<size_t>(lastCol - firstCol) + 1);
    // Block by block of rows, each row across: the order the cells were most likely filled in,
    // and so the order their texts lie in memory.
    for (int32_t row = std::max(range.first.row, 0); row <= lastRow;) {
        const int32_t blockLast = std::min(lastRow, row | (CellStore::kChunkRows - 1));
        for (int32_t col = firstCol; col <= lastCol; ++col)
            chunks[static_cast<size_t>(col - firstCol)] = d.cells.chunk(col, row);
        for (; row <= blockLast; ++row) {
            for (int32_t col = firstCol; col <= lastCol; ++col) {
                const CellStore::Chunk* chunk = chunks[static_cast<size_t>(col - firstCol)];
                if (!chunk) {
                    visit({col, row}, {}, plain);
                    continue;
                }
                const Cell& c = (*chunk)[row & (CellStore::kChunkRows - 1)];
                visit({col, row}, cellDataText(d, c, scratch), d.formats.get(c.format));
            }
        }
    }
}

}  // namespace sheet
