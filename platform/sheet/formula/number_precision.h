// Numbers as a spreadsheet user reads them: to 15 significant decimal digits.  Binary doubles
// carry about 17, so 0.1+0.2 is 0.30000000000000004; comparisons, the integer part and the
// difference of near-equal numbers look only at the 15 digits a cell can show.
#pragma once

#include <optional>
#include <string_view>

namespace sheet {

// x rounded to 15 significant decimal digits (whole numbers below 1e15 are returned as they
// are, without work).
double roundTo15Digits(double x);

// -1, 0 or 1: a and b are equal when they agree to 15 significant digits, otherwise ordered by
// value.
int compareNumbers(double a, double b);

// a - b, or exactly 0 when a and b agree to 15 significant digits: (0.1+0.2)-0.3 is 0.
double subtractNumbers(double a, double b);

// The integer part below x as the user sees x: INT((0.1+0.7)*10) is 8, not 7.
double floorOf15Digits(double x);

// Reads a whole decimal number ("12", "-1.5E3"); a magnitude too small for a double is 0 (as
// 1E-400 is), one too large is refused.
bool readDecimal(std::string_view text, double& out);

// A text read as a number where a formula needs one: what textToNumber reads, and also the
// forms of the engine's locale (English): thousands separators ("1,000"), a currency sign
// before the digits ("$5", "-$5"), a trailing percent ("50%") and parentheses for a negative
// ("(5)").  Nothing for anything else ("+-5", "1,00", "5$").
std::optional<double> formulaTextToNumber(std::string_view text);

}  // namespace sheet
