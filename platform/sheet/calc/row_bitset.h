// A set of row numbers with a fast "next member at or after" query: one bit per row plus a
// summary bit per 64-row word, so that scanning a long, mostly empty range skips 4096 rows per
// summary word.  The recalculation keeps its out-of-date formula cells in one per column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sheet {

class RowBitset {
public:
    bool test(int32_t row) const {
        size_t w = static_cast<size_t>(row) >> 6;
        return w < words_.size() && (words_[w] >> (row & 63) & 1);
    }
    // Returns true when the row was not yet a member.
    bool set(int32_t row);
    // Returns true when the row was a member.
    bool reset(int32_t row);
    // The first member in from..to (inclusive), or -1.
    int32_t next(int32_t from, int32_t to) const;
    size_t count() const { return count_; }
    bool empty() const { return count_ == 0; }
    void clear();

private:
    std::vector<uint64_t> words_;
    std::vector<uint64_t> summary_;
    size_t count_ = 0;
};

}  // namespace sheet
