// Case folding of code page 1252 text, for names and text comparisons that ignore case.
#pragma once

#include <string>
#include <string_view>

namespace sheet {

// The upper-case letter of a code page 1252 byte; other bytes unchanged.  Covers the accented
// letters of the code page (a-grave..thorn, s-caron, oe, z-caron, y-diaeresis), since table
// keys and section names carry them.
inline char upperCase1252(char ch) {
  unsigned char c = static_cast<unsigned char>(ch);
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char>(c - 32);
  switch (c) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return ch;
  }
}

inline std::string upperCase1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = upperCase1252(c);
  return out;
}

// Letters that may appear in function names: ASCII letters and the code page's letters,
// upper and lower case (so that folding a name keeps it a name).
inline bool isNameLetter(char ch) {
  unsigned char c = static_cast<unsigned char>(ch);
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  if (c >= 0xC0) return c != 0xD7 && c != 0xF7;
  switch (c) {
    case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F: return true;
    default: return false;
  }
}

// -1, 0 or 1 comparing a and b ignoring case.
inline int compareIgnoringCase(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(upperCase1252(a[i]));
    unsigned char y = static_cast<unsigned char>(upperCase1252(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace sheet
