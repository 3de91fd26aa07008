// Storage of a sheet's cells: one column of fixed-size chunks per sheet column, a chunk
// allocated when its first cell is written.  A cell packs its value, the id of its formula
// (shared by every cell whose formula reads the same relative to its position) and the ids of
// its typed text, tag and look: 48 bytes, so that a million-cell chain stays far below the
// memory of one AST per cell.  Who reads the cell is the calculation's business, kept beside.
#pragma once

#include <algorithm>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "sheet/value.h"

namespace sheet {

struct Cell {
    Value value;           // a constant, or the last computed result of a formula
    uint32_t formula = 0;  // FormulaGroups id + 1; 0 for a constant
    uint32_t text = 0;     // StringPool id + 1: the typed text when it differs from the
                           // value's own text ("1.50" for 1.5)
    uint32_t tag = 0;      // StringPool id + 1
    uint32_t format = 0;   // FormatTable id; 0 is the default look

    bool hasContent() const { return formula != 0 || !value.isEmpty(); }
    bool isBlank() const { return formula == 0 && value.isEmpty() && text == 0 && tag == 0 && format == 0; }
};

class CellStore {
public:
    static constexpr int kChunkBits = 8;
    static constexpr int32_t kChunkRows = 1 << kChunkBits;
    using Chunk = std::array<Cell, kChunkRows>;

    const Cell* find(CellRef cell) const {
        if (cell.col < 0 || static_cast<size_t>(cell.col) >= columns_.size() || cell.row < 0) return nullptr;
        const auto& chunks = columns_[cell.col];
        size_t c = static_cast<size_t>(cell.row) >> kChunkBits;
        if (c >= chunks.size() || !chunks[c]) return nullptr;
        return &(*chunks[c])[cell.row & (kChunkRows - 1)];
    }
    Cell* find(CellRef cell) { return const_cast<Cell*>(static_cast<const CellStore*>(this)->find(cell)); }
    // The cell, created blank when not yet stored.  Coordinates must be non-negative.
    Cell& at(CellRef cell);

    // The chunk holding `row` of `col`, or null.
    const Chunk* chunk(int32_t col, int32_t row) const {
        if (col < 0 || static_cast<size_t>(col) >= columns_.size()) return nullptr;
        size_t c = static_cast<size_t>(row) >> kChunkBits;
        const auto& chunks = columns_[col];
        return c < chunks.size() ? chunks[c].get() : nullptr;
    }

    int32_t columnCount() const { return static_cast<int32_t>(columns_.size()); }
    // One past the last row that has a chunk in `col`.
    int32_t rowExtent(int32_t col) const;

    // Calls f(CellRef, Cell&) for every stored cell, column by column.
    template <typename F>
    void forEach(F&& f) {
        for (size_t col = 0; col < columns_.size(); ++col) {
            auto& chunks = columns_[col];
            for (size_t c = 0; c < chunks.size(); ++c) {
                if (!chunks[c]) continue;
                for (int32_t i = 0; i < kChunkRows; ++i) {
                    f(CellRef{static_cast<int32_t>(col), static_cast<int32_t>((c << kChunkBits) + i)}, (*chunks[c])[i]);
                }
            }
        }
    }

    // The stored chunks as (first row of the chunk, column) in reading order: by row block, then
    // column.  Costs the number of chunks (and the length of each column's chunk list), not the
    // area they span, so a sparse sheet's A1 and ZZZ2000000 are two entries.
    std::vector<std::pair<int32_t, int32_t>> chunksInReadingOrder() const {
        std::vector<std::pair<int32_t, int32_t>> out;
        for (size_t col = 0; col < columns_.size(); ++col)
            for (size_t c = 0; c < columns_[col].size(); ++c)
                if (columns_[col][c])
                    out.emplace_back(static_cast<int32_t>(c << kChunkBits), static_cast<int32_t>(col));
        std::sort(out.begin(), out.end());
        return out;
    }

    // Structural moves of whole rows and columns (cells keep everything they hold).
    void insertRows(int32_t at, int32_t count);
    void deleteRows(int32_t at, int32_t count);
    void insertCols(int32_t at, int32_t count);
    void deleteCols(int32_t at, int32_t count);
    // Drops every cell at or beyond the given row or column.
    void truncateRows(int32_t rows);
    void truncateCols(int32_t cols);
    void clear() { columns_.clear(); }
    size_t bytesUsed() const;

private:
    std::vector<std::vector<std::unique_ptr<Chunk>>> columns_;
};

}  // namespace sheet
