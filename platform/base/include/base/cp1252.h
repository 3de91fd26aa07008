#pragma once
// Code page 1252 is how the package stores text.  These convert at the edges where text
// leaves for a person or a UTF-8 format (terminal, JSON, host file names, rendered screen).
//
// The five bytes the code page leaves undefined (0x81 0x8D 0x8F 0x90 0x9D) map to the C1
// control of the same number, as the desktop's own converter does, so every byte survives a
// round trip.  On the way back every C1 control U+0080..U+009F becomes the byte of the same
// number: no person types them, and files that stored bytes as Latin-1 still read.

#include <string>
#include <string_view>

namespace base {

// The Unicode code point of one code page byte.
char32_t codePointOf1252(unsigned char byte);
std::string cp1252ToUtf8(std::string_view cp1252Text);
// Characters that code page 1252 cannot hold, and malformed UTF-8 bytes, become `replacement`.
std::string utf8ToCp1252(std::string_view utf8Text, char replacement = '?');

}  // namespace base
