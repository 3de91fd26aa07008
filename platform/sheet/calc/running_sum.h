// SUM over one column from a fixed first row, remembered per (column, first row): the running
// sums =SUM($A$1:A1), =SUM($A$1:A2), ... each extend the previous one by a cell instead of
// adding the whole range again, so n of them cost linear, not quadratic, time.  The result is
// the built-in SUM's to the bit: the same numbers are added in the same order, and the memory
// is only used while the column's values have not changed since.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "sheet/formula/function_registry.h"

namespace sheet {

class RunningSums {
public:
    // Replaces SUM in `registry` by the remembering version (other calls go to the built-in).
    static void install(FunctionRegistry& registry);
    void clear() { sums_.clear(); }

private:
    friend struct RunningSumAccess;
    struct Memory {
        uint64_t version = 0;
        int32_t lastRow = 0;
        double sum = 0;
        Value error;  // the first error met, if any
    };
    std::unordered_map<uint64_t, Memory> sums_;
};

}  // namespace sheet
