#pragma once
// Case folding of code page 1252 text: the ASCII letters and the code page's own letters
// (a-grave..thorn, s-caron, oe, z-caron, y-diaeresis).  Sharp s and micro have no upper case
// in the code page and stay as they are; so do all other bytes.
//
// Comparisons that ignore case compare the lower-case bytes, as the desktop's run-time
// library does, so "_" sorts before the letters of either case.

#include <string>
#include <string_view>

namespace base {

char toLower1252(char c);
char toUpper1252(char c);
std::string lowerCase1252(std::string_view text);
std::string upperCase1252(std::string_view text);

// -1, 0 or 1 comparing a and b byte by byte ignoring case.
int compareIgnoringCase(std::string_view a, std::string_view b);
bool equalIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace base
