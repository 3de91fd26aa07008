#include "calc/row_bitset.h"

#include <bit>

namespace sheet {

bool RowBitset::set(int32_t row) {
    size_t w = static_cast<size_t>(row) >> 6;
    if (w >= words_.size()) {
        words_.resize(w + 1 + w / 2, 0);
        summary_.resize((words_.size() + 63) / 64, 0);
    }
    uint64_t bit = uint64_t{1} << (row & 63);
    if (words_[w] & bit) return false;
    words_[w] |= bit;
    summary_[w >> 6] |= uint64_t{1} << (w & 63);
    ++count_;
    return true;
}

bool RowBitset::reset(int32_t row) {
    size_t w = static_cast<size_t>(row) >> 6;
    uint64_t bit = uint64_t{1} << (row & 63);
    if (w >= words_.size() || !(words_[w] & bit)) return false;
    words_[w] &= ~bit;
    if (words_[w] == 0) summary_[w >> 6] &= ~(uint64_t{1} << (w & 63));
    --count_;
    return true;
}

int32_t RowBitset::next(int32_t from, int32_t to) const {
    if (count_ == 0 || from > to) return -1;
    if (from < 0) from = 0;
    size_t w = static_cast<size_t>(from) >> 6;
    if (w >= words_.size()) return -1;
    uint64_t bits = words_[w] & (~uint64_t{0} << (from & 63));
    while (true) {
        if (bits) {
            int32_t row = static_cast<int32_t>((w << 6) + std::countr_zero(bits));
            return row <= to ? row : -1;
        }
        // Find the next non-empty word through the summary.
        size_t nextWord = w + 1;
        if (nextWord >= words_.size() || static_cast<int64_t>(nextWord << 6) > to) return -1;
        size_t s = nextWord >> 6;
        uint64_t sbits = summary_[s] & (~uint64_t{0} << (nextWord & 63));
        while (!sbits) {
            if (++s >= summary_.size() || static_cast<int64_t>(s << 12) > to) return -1;
            sbits = summary_[s];
        }
        w = (s << 6) + std::countr_zero(sbits);
        if (w >= words_.size()) return -1;
        bits = words_[w];
    }
}

void RowBitset::clear() {
    words_.clear();
    summary_.clear();
    count_ = 0;
}

}  // namespace sheet
