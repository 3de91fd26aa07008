// Size limits of a sheet.  Every call that would pass one is refused with a result, so that a
// caller or a file can never make the engine allocate without bound.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sheet/formula/formula.h"

namespace sheet {

// Rows and columns of data (the header row and column come on top).  The column limit is the
// last column a reference can name (ZZZ).
constexpr int32_t kMaxSheetRows = 2'000'000;
constexpr int32_t kMaxSheetCols = kMaxRefCol;
// Bytes of one cell's data, value, tag or combo item list.
constexpr size_t kMaxTextLength = 65'535;
// Spans a sheet may hold.
constexpr size_t kMaxSpans = 100'000;
// Pixel sizes of one column or row.
constexpr int32_t kMaxPixelSize = 10'000;

}  // namespace sheet
