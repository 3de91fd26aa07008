#include "calc/sheet_context.h"

#include <algorithm>
#include <array>

#include "calc/calculation.h"
#include "sheet/sheet.h"

namespace sheet {

void SheetContext::notePending(const RangeRef& range) const {
    if (!pending_ || readPending_) return;
    for (CellRef c : *pending_)
        if (range.contains(c)) readPending_ = true;
}

Value SheetContext::cellValue(CellRef cell) const {
    if (!c_.inside(cell)) return Value();
    notePending({cell, cell});
    const Cell* c = c_.cells_.find(cell);
    return c ? c->value : Value();
}

std::string SheetContext::cellText(CellRef cell) const { return c_.owner_ ? c_.owner_->data(cell) : std::string(); }

int32_t SheetContext::maxRows() const { return c_.maxRows_; }
int32_t SheetContext::maxCols() const { return c_.maxCols_; }
const FunctionRegistry& SheetContext::functions() const { return c_.functions_; }

void SheetContext::forEachValue(const RangeRef& range, CellVisitor& visitor) const {
    notePending(range);
    RangeRef r = range;
    r.first.col = std::max(r.first.col, 0);
    r.first.row = std::max(r.first.row, 0);
    r.last.col = std::min(r.last.col, c_.maxCols_);
    r.last.row = std::min(r.last.row, c_.maxRows_);
    if (r.first.col > r.last.col || r.first.row > r.last.row) return;
    constexpr int32_t kChunk = FormulaCells::kChunkRows;
    const int32_t cols = r.last.col - r.first.col + 1;
    std::array<const FormulaCells::Chunk*, 16> fixed{};
    std::vector<const FormulaCells::Chunk*> wide;
    const FormulaCells::Chunk** chunks = fixed.data();
    if (cols > static_cast<int32_t>(fixed.size())) {
        wide.resize(cols);
        chunks = wide.data();
    }
    // Walk blocks of chunk rows so that unstored stretches are skipped a chunk at a time while
    // cells are still visited row by row, left to right.
    for (int32_t blockStart = r.first.row & ~(kChunk - 1); blockStart <= r.last.row; blockStart += kChunk) {
        bool any = false;
        for (int32_t i = 0; i < cols; ++i) {
            chunks[i] = c_.cells_.chunk(r.first.col + i, blockStart);
            any |= chunks[i] != nullptr;
        }
        if (!any) continue;
        int32_t from = std::max(blockStart, r.first.row);
        int32_t to = std::min(blockStart + kChunk - 1, r.last.row);
        for (int32_t row = from; row <= to; ++row) {
            for (int32_t i = 0; i < cols; ++i) {
                if (!chunks[i]) continue;
                const Cell& cell = (*chunks[i])[row & (kChunk - 1)];
                if (cell.value.isEmpty()) continue;
                if (!visitor.visit({r.first.col + i, row}, cell.value)) return;
            }
        }
    }
}

int32_t SheetContext::findExact(const RangeRef& range, int32_t colInRange, const Value& key) const {
    int32_t col = range.first.col + colInRange;
    notePending({{col, range.first.row}, {col, range.last.row}});
    if (col < 0 || col > c_.maxCols_ || col > range.last.col) return -1;
    int32_t first = std::max(range.first.row, 1);
    int32_t last = std::min(range.last.row, c_.maxRows_);
    if (first > last) return -1;
    int32_t row = c_.lookups_.find(c_.cells_, col, first, last, key);
    return row < 0 ? -1 : row - range.first.row;
}

void SheetContext::setCellData(CellRef cell, const std::string& text) {
    if (c_.owner_) c_.owner_->setData(cell, text);
}

}  // namespace sheet
