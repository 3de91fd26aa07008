// A number per cell that the calculation keeps beside the model's cells (the head of a cell's
// list of readers, the mark of a recalculation walk): chunks per column like the cells
// themselves, so that finding one costs two array look-ups and a column without any costs
// nothing.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "sheet/value.h"

namespace sheet {

// What the calculation keeps per cell, side by side so that finding a cell's readers and
// marking the cell on a walk touch one place.
struct CellSlot {
    uint32_t firstEdge = 0;  // DependencyGraph: edge id + 1 of the first reader of the cell
    uint32_t walkMark = 0;   // Recalculator: node id + 1 while the cell is on the walk
};

template <typename T>
class CellTable {
public:
    static constexpr int kChunkBits = 8;
    static constexpr int32_t kChunkRows = 1 << kChunkBits;

    // The entry of `cell`, or null when none was ever made.
    const T* find(CellRef cell) const {
        if (cell.col < 0 || cell.row < 0 || static_cast<size_t>(cell.col) >= columns_.size()) return nullptr;
        const auto& chunks = columns_[cell.col];
        size_t c = static_cast<size_t>(cell.row) >> kChunkBits;
        if (c >= chunks.size() || !chunks[c]) return nullptr;
        return &(*chunks[c])[cell.row & (kChunkRows - 1)];
    }
    T* find(CellRef cell) { return const_cast<T*>(static_cast<const CellTable*>(this)->find(cell)); }
    T get(CellRef cell) const {
        const T* v = find(cell);
        return v ? *v : T{};
    }
    // The entry, made (value-initialised) when missing.  Coordinates must be non-negative.
    T& at(CellRef cell) {
        if (static_cast<size_t>(cell.col) >= columns_.size()) columns_.resize(cell.col + 1);
        auto& chunks = columns_[cell.col];
        size_t c = static_cast<size_t>(cell.row) >> kChunkBits;
        if (c >= chunks.size()) chunks.resize(c + 1);
        if (!chunks[c]) chunks[c] = std::make_unique<Chunk>();
        return (*chunks[c])[cell.row & (kChunkRows - 1)];
    }
    void clear() { columns_.clear(); }

private:
    using Chunk = std::array<T, kChunkRows>;
    std::vector<std::vector<std::unique_ptr<Chunk>>> columns_;
};

}  // namespace sheet
