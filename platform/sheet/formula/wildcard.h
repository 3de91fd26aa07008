// Wildcard patterns of exact text look-ups and criteria: '*' any run of characters, '?' any one
// character, '~' makes the next character literal ("~*" is a star).  Case is ignored.
#pragma once

#include <string_view>

namespace sheet {

// Whether the text holds a '*', '?' or '~', so that it must be matched as a pattern.
bool hasWildcards(std::string_view pattern);

// Whether the whole text matches the pattern.
bool wildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace sheet
