// Case folding of code page 1252 text, for names and text comparisons that ignore case: the
// platform's one folding (base/case_fold.h).
#pragma once

#include <string>
#include <string_view>

#include "base/case_fold.h"

namespace sheet {

// The upper-case letter of a code page 1252 byte; other bytes unchanged.  Covers the accented
// letters of the code page, since table keys and section names carry them.
inline char upperCase1252(char ch) { return base::toUpper1252(ch); }

inline std::string upperCase1252(std::string_view text) { return base::upperCase1252(text); }
inline std::string lowerCase1252(std::string_view text) { return base::lowerCase1252(text); }

// Letters that may appear in function names: ASCII letters and the code page's letters,
// upper and lower case (so that folding a name keeps it a name).
inline bool isNameLetter(char ch) {
    unsigned char c = static_cast<unsigned char>(ch);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if (c >= 0xC0) return c != 0xD7 && c != 0xF7;
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F: return true;
    default: return false;
    }
}

// -1, 0 or 1 comparing a and b ignoring case.
inline int compareIgnoringCase(std::string_view a, std::string_view b) { return base::compareIgnoringCase(a, b); }

}  // namespace sheet
