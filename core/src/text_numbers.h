#pragma once
// Numbers in the core library's line-based text files (property lists, DSTV point groups):
// doubles as the shortest text that reads back to the same bits ("inf", "-inf", NaN as "nan:"
// and its 16 hex digits), integers in decimal.  Parsing takes the whole text or fails.

#include <string>
#include <string_view>

std::string kvFormatDouble(double value);
bool kvParseDouble(std::string_view text, double& value);
bool kvParseInt(std::string_view text, int& value);
