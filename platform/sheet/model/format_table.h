// Interned cell looks: equal CellFormat records share one id.  Id 0 is the default look.
// Records are never removed while the sheet lives (a sheet has few distinct looks); a reset
// or a load starts a new table.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "sheet/cell_format.h"

namespace sheet {

class FormatTable {
public:
    FormatTable();
    uint32_t intern(const CellFormat& format);
    const CellFormat& get(uint32_t id) const { return formats_[id]; }
    size_t size() const { return formats_.size(); }
    void clear();

private:
    struct Hash {
        size_t operator()(const CellFormat& f) const { return hashFormat(f); }
    };
    std::vector<CellFormat> formats_;
    std::unordered_map<CellFormat, uint32_t, Hash> ids_;
};

}  // namespace sheet
