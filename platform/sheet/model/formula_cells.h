// What the calculation sees of the model, and all it sees: the cells' values and formula
// handles, the shared formula programs, and the one write the calculation makes, a formula's
// result.  Looks, texts, tags, spans, sizes and the person's state stay the model's own.
#pragma once

#include <cstdint>
#include <utility>

#include "model/cell_store.h"
#include "model/formula_groups.h"

namespace sheet {

class FormulaCells {
public:
    using Chunk = CellStore::Chunk;
    static constexpr int32_t kChunkRows = CellStore::kChunkRows;

    FormulaCells(CellStore& cells, const FormulaGroups& formulas) : cells_(cells), formulas_(formulas) {}

    const Cell* find(CellRef cell) const { return cells_.find(cell); }
    // The formula handle of the cell (FormulaGroups); 0 for a constant or no cell.
    uint32_t formulaAt(CellRef cell) const {
        const Cell* c = cells_.find(cell);
        return c ? c->formula : 0;
    }
    // The chunk holding `row` of `col`, or null: walks skip unstored stretches a chunk at a time.
    const Chunk* chunk(int32_t col, int32_t row) const { return cells_.chunk(col, row); }
    // One past the last row that has a chunk in `col`.
    int32_t rowExtent(int32_t col) const { return cells_.rowExtent(col); }
    const FormulaGroups& formulas() const { return formulas_; }

    // Calls f(CellRef) for every formula cell, column by column.
    template <typename F>
    void forEachFormula(F&& f) const {
        for (int32_t col = 0; col < cells_.columnCount(); ++col) {
            const int32_t extent = cells_.rowExtent(col);
            for (int32_t first = 0; first < extent; first += kChunkRows) {
                const Chunk* chunk = cells_.chunk(col, first);
                if (!chunk) continue;
                for (int32_t i = 0; i < kChunkRows; ++i)
                    if ((*chunk)[i].formula) f(CellRef{col, first + i});
            }
        }
    }

    // Stores the result computed for formula `handle` in `cell`.  False, storing nothing, when
    // the cell holds another formula by now (a custom function wrote into the sheet while it
    // was computed) or already holds that value.
    bool storeResult(CellRef cell, uint32_t handle, Value result) {
        Cell* c = cells_.find(cell);
        if (!c || c->formula != handle || c->value == result) return false;
        c->value = std::move(result);
        return true;
    }

private:
    CellStore& cells_;
    const FormulaGroups& formulas_;
};

}  // namespace sheet
