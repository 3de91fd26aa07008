// The order of texts in comparisons, sorted look-ups and MATCH: case-insensitive, with blanks,
// punctuation and symbols before digits and digits before letters, as people expect from a
// spreadsheet ("_x" < "a", "Zebra" = "zebra", "10" < "9" as texts).
#pragma once

#include <string_view>

namespace sheet {

// -1, 0 or 1.  Two texts collate equal exactly when they are equal ignoring case (the same
// equality as upperCase1252 folding), so hash indexes on folded texts agree with it.  Accented
// letters sort right after their base letter (a < a-grave < b).
int collateTexts(std::string_view a, std::string_view b);

}  // namespace sheet
