#include "calc/lookup_index.h"

#include <algorithm>

#include "model/formula_cells.h"

namespace sheet {

int32_t LookupIndex::find(const FormulaCells& cells, int32_t col, int32_t first, int32_t last, const Value& key) {
    if (key.isEmpty()) return -1;
    if (last - first + 1 < kMinIndexedRows) {
        for (int32_t row = first; row <= last; ++row) {
            const Cell* c = cells.find({col, row});
            if (c && lookupEqual(c->value, key)) return row;
        }
        return -1;
    }
    if (indexes_.size() <= static_cast<size_t>(col)) indexes_.resize(col + 1);
    auto& index = indexes_[col];
    int32_t extent = std::min(cells.rowExtent(col), last + 1);
    if (!index || index->version != version(col) || index->rows < extent - 1) {
        // Index the whole stored column, so that look-ups into different row ranges share it.
        index = std::make_unique<ColumnIndex>();
        index->version = version(col);
        index->rows = std::max(cells.rowExtent(col) - 1, 0);
        size_t size = 16;
        while (size < static_cast<size_t>(index->rows) * 2) size <<= 1;
        index->slots.assign(size, Slot{});
        for (int32_t row = 1; row <= index->rows; ++row) {
            const Cell* c = cells.find({col, row});
            if (!c || c->value.isEmpty()) continue;
            uint64_t h = lookupHash(c->value);
            size_t i = h & (size - 1);
            while (index->slots[i].row) i = (i + 1) & (size - 1);
            index->slots[i] = Slot{h, row};
        }
    }
    const std::vector<Slot>& slots = index->slots;
    const size_t mask = slots.size() - 1;
    uint64_t h = lookupHash(key);
    for (size_t i = h & mask; slots[i].row; i = (i + 1) & mask) {
        const Slot& s = slots[i];
        if (s.hash != h || s.row < first || s.row > last) continue;
        const Cell* c = cells.find({col, s.row});
        if (c && lookupEqual(c->value, key)) return s.row;
    }
    return -1;
}

}  // namespace sheet
