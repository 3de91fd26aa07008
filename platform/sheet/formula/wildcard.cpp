#include "wildcard.h"

#include "text_case.h"

namespace sheet {

bool hasWildcards(std::string_view pattern) { return pattern.find_first_of("*?~") != std::string_view::npos; }

bool wildcardMatch(std::string_view pattern, std::string_view text) {
    // Greedy matching with one back-track point for the last star: linear in practice, at worst
    // pattern length times text length, never exponential.
    size_t p = 0, t = 0;
    size_t starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starT = t;
            continue;
        }
        if (p < pattern.size()) {
            char want = pattern[p];
            size_t width = 1;
            bool any = want == '?';
            if (want == '~' && p + 1 < pattern.size()) {
                want = pattern[p + 1];
                width = 2;
                any = false;
            }
            if (any || upperCase1252(want) == upperCase1252(text[t])) {
                p += width;
                ++t;
                continue;
            }
        }
        if (starP == std::string_view::npos) return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace sheet
