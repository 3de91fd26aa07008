#pragma once
// Code page 1252 is how the package stores text.  These convert at the edges where text
// leaves for a person or for a UTF-8 format (terminal, JSON, rendered screen).

#include <string>
#include <string_view>

namespace host {

std::string cp1252ToUtf8(std::string_view cp1252Text);
// Characters that code page 1252 cannot hold, and malformed UTF-8 bytes, become `replacement`.
std::string utf8ToCp1252(std::string_view utf8Text, char replacement = '?');

}  // namespace host
