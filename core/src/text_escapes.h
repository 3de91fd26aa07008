#pragma once
// The escapes of the core library's line-based text files (property lists, text tables):
// \\ \t \n \r and \xHH for the other bytes below 0x20 and 0x7F, so that every byte string
// fits on one line between tabs.

#include <string>
#include <string_view>

std::string kvEscapeText(std::string_view bytes);
// False for an unknown escape, a short \x, or a raw tab or line break byte.
bool kvUnescapeText(std::string_view text, std::string& bytes);
