// The formula language: parse a formula text into a compact program, print it back in any
// reference style, list what it reads, and rewrite it after structural edits of the sheet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/value.h"

namespace sheet {

class Formula;
class FunctionRegistry;

// How references are written.
//  A1:      column letters and row number; '$' marks an absolute part (A1, $A1, A$1, $A$1,
//           A1:B2, whole columns A:C, whole rows 1:3).
//  R1C1:    R<n>/C<n> absolute, R[<d>]/C[<d>] relative to the formula's own cell, R/C alone the
//           own row/column (R1C1, R[-1]C[2], RC, R1C[-1], R1C1:R2C2, whole rows R1:R3, whole
//           columns C1:C2).
//  Default: the engine's own style.  Formulas print in A1 notation (relative unless '$');
//           input accepts A1 notation and also every R1C1 form that cannot be read as an A1
//           reference (RC, R1C1, R[-1]C[2]...), so that texts typed in either style work.
enum class RefStyle { Default, A1, R1C1 };

// Limits.  Longer formulas and deeper nesting are refused by the parser, which keeps the
// parser's recursion bounded; evaluation is iterative and never recurses.
constexpr size_t kMaxFormulaLength = 8192;
constexpr int kMaxFormulaNesting = 64;    // parentheses, function calls and signs, nested
constexpr int32_t kMaxRefCol = 18278;     // column ZZZ
constexpr int32_t kMaxRefRow = 16777216;  // whole-column ranges reach this row
constexpr int kMaxFunctionArgs = 255;

struct ParseResult {
    bool ok = false;
    std::string error;    // why parsing failed (for the user), empty when ok
    size_t errorPos = 0;  // byte offset into the text where it failed
    std::shared_ptr<const Formula> formula;
};

// Parses `text` (without the leading '=').  `origin` is the cell that holds the formula: the
// base of relative references.  A call of a function known to `functions` with too few or too
// many arguments is refused here; an unknown name parses and evaluates to #NAME? (it may be
// registered later, e.g. after a file load), and a call whose count does not fit a function
// registered later evaluates to #VALUE!.  A reference that falls off the sheet (R[-5]C in row
// 2) parses as #REF!.
ParseResult parseFormula(std::string_view text, RefStyle style, CellRef origin, const FunctionRegistry& functions);

// The formula's text in `style` without the leading '=', as if it stood in `origin`.
// Function names print upper case, blanks are dropped, parentheses kept as written.
std::string printFormula(const Formula& formula, RefStyle style, CellRef origin);

// Every cell and range the formula reads directly, in formula order (single cells as 1x1
// ranges; whole columns reach kMaxRefRow and whole rows kMaxRefCol).
void collectReferences(const Formula& formula, std::vector<RangeRef>& out);

// Structural edits.  Each returns the rewritten formula, or the same object when nothing in it
// changes.
// Rows (rows = true) or columns inserted before index `at`: references at or after `at` move
// by `count`; a range that straddles `at` grows.
std::shared_ptr<const Formula> shiftForInsert(const Formula& formula, bool rows, int32_t at, int32_t count);
// Rows or columns at..at+count-1 deleted: references into them become #REF!, ranges lose the
// deleted part (#REF! when nothing is left), later references move back by `count`.
std::shared_ptr<const Formula> shiftForDelete(const Formula& formula, bool rows, int32_t at, int32_t count);
// The formula copied dCol columns and dRow rows away: relative parts move with it, absolute
// parts stay; a reference pushed off the sheet becomes #REF!.
std::shared_ptr<const Formula> shiftForCopy(const Formula& formula, int32_t dCol, int32_t dRow);

}  // namespace sheet
