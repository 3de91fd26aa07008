// Hash indexes of column values for exact-match look-ups (VLOOKUP and MATCH with exact
// match).  An index is built on the first look-up into a column and kept until a value in that
// column changes (tracked by a per-column version), so that 10,000 look-ups into a 10,000-row
// table cost one pass over the table plus 10,000 hash probes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sheet/value.h"

namespace sheet {

class FormulaCells;

class LookupIndex {
public:
    // Look-ups into fewer rows than this scan directly.
    static constexpr int32_t kMinIndexedRows = 24;

    // Called whenever a value in `col` changes.
    void touch(int32_t col) {
        if (versions_.size() <= static_cast<size_t>(col)) versions_.resize(col + 1, baseVersion_);
        ++versions_[col];
    }
    // Changes whenever a value of the column changes; never repeats within a sheet's life.
    uint64_t version(int32_t col) const {
        return static_cast<size_t>(col) < versions_.size() ? versions_[col] : baseVersion_;
    }
    // The first row in first..last of `col` whose value matches `key`, or -1.
    int32_t find(const FormulaCells& cells, int32_t col, int32_t first, int32_t last, const Value& key);
    // Forgets every index (after structural edits); versions move on so that nothing computed
    // against the old layout is taken for current.
    void clear() {
        for (uint64_t& v : versions_) ++v;
        ++baseVersion_;
        indexes_.clear();
    }

private:
    // An open-addressing table of (hash, row), filled in row order: probing for a key meets the
    // rows holding it in ascending order, and the cell itself settles equality.
    struct Slot {
        uint64_t hash = 0;
        int32_t row = 0;  // 0: free
    };
    struct ColumnIndex {
        uint64_t version = 0;
        int32_t rows = 0;         // rows 1..rows were indexed
        std::vector<Slot> slots;  // a power of two, at most half full
    };
    std::vector<uint64_t> versions_;
    uint64_t baseVersion_ = 0;
    std::vector<std::unique_ptr<ColumnIndex>> indexes_;
};

}  // namespace sheet
