#include "model/cell_store.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace sheet {

Cell& CellStore::at(CellRef cell) {
    if (static_cast<size_t>(cell.col) >= columns_.size()) columns_.resize(cell.col + 1);
    auto& chunks = columns_[cell.col];
    size_t c = static_cast<size_t>(cell.row) >> kChunkBits;
    if (c >= chunks.size()) chunks.resize(c + 1);
    if (!chunks[c]) chunks[c] = std::make_unique<Chunk>();
    return (*chunks[c])[cell.row & (kChunkRows - 1)];
}

int32_t CellStore::rowExtent(int32_t col) const {
    if (col < 0 || static_cast<size_t>(col) >= columns_.size()) return 0;
    const auto& chunks = columns_[col];
    for (size_t c = chunks.size(); c-- > 0;)
        if (chunks[c]) return static_cast<int32_t>((c + 1) << kChunkBits);
    return 0;
}

void CellStore::insertRows(int32_t at, int32_t count) {
    for (size_t col = 0; col < columns_.size(); ++col) {
        int32_t extent = rowExtent(static_cast<int32_t>(col));
        CellRef probe{static_cast<int32_t>(col), 0};
        for (int32_t row = extent - 1; row >= at; --row) {
            probe.row = row;
            Cell* from = find(probe);
            if (!from || from->isBlank()) {
                if (Cell* to = find({probe.col, row + count})) *to = Cell{};
                continue;
            }
            Cell moved = std::move(*from);
            *from = Cell{};
            this->at({probe.col, row + count}) = std::move(moved);
        }
    }
}

void CellStore::deleteRows(int32_t at, int32_t count) {
    for (size_t col = 0; col < columns_.size(); ++col) {
        int32_t extent = rowExtent(static_cast<int32_t>(col));
        int32_t c32 = static_cast<int32_t>(col);
        for (int32_t row = at; row < extent; ++row) {
            Cell* to = find({c32, row});
            Cell* from = row + count < extent ? find({c32, row + count}) : nullptr;
            if (!to) {
                if (from && !from->isBlank()) {
                    Cell moved = std::move(*from);
                    *from = Cell{};
                    this->at({c32, row}) = std::move(moved);
                }
                continue;
            }
            if (from) {
                *to = std::move(*from);
                *from = Cell{};
            } else {
                *to = Cell{};
            }
        }
    }
}

void CellStore::insertCols(int32_t at, int32_t count) {
    if (static_cast<size_t>(at) >= columns_.size()) return;
    std::vector<std::vector<std::unique_ptr<Chunk>>> fresh(count);
    columns_.insert(columns_.begin() + at, std::make_move_iterator(fresh.begin()),
                    std::make_move_iterator(fresh.end()));
}

void CellStore::deleteCols(int32_t at, int32_t count) {
    if (static_cast<size_t>(at) >= columns_.size()) return;
    size_t end = std::min(columns_.size(), static_cast<size_t>(at) + count);
    columns_.erase(columns_.begin() + at, columns_.begin() + end);
}

void CellStore::truncateRows(int32_t rows) {
    for (auto& chunks : columns_) {
        size_t keep = (static_cast<size_t>(rows) + kChunkRows - 1) >> kChunkBits;
        if (chunks.size() > keep) chunks.resize(keep);
        if (keep > 0 && keep <= chunks.size() && chunks[keep - 1]) {
            for (int32_t i = rows & (kChunkRows - 1); i != 0 && i < kChunkRows; ++i) (*chunks[keep - 1])[i] = Cell{};
        }
    }
}

void CellStore::truncateCols(int32_t cols) {
    if (columns_.size() > static_cast<size_t>(cols)) columns_.resize(cols);
}

size_t CellStore::bytesUsed() const {
    size_t bytes = columns_.capacity() * sizeof(columns_[0]);
    for (const auto& chunks : columns_) {
        bytes += chunks.capacity() * sizeof(chunks[0]);
        for (const auto& chunk : chunks)
            if (chunk) bytes += sizeof(Chunk);
    }
    return bytes;
}

}  // namespace sheet
