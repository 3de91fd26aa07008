#include "text_collation.h"

#include <array>
#include <cstdint>
#include <vector>

#include "text_case.h"

namespace sheet {

namespace {

// The base letter of an upper-case code page 1252 letter, 0 for other bytes.
char baseLetter(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c);
    if (c >= 0xC0 && c <= 0xC6) return 'A';
    switch (c) {
    case 0xC7: return 'C';
    case 0xC8:
    case 0xC9:
    case 0xCA:
    case 0xCB: return 'E';
    case 0xCC:
    case 0xCD:
    case 0xCE:
    case 0xCF: return 'I';
    case 0xD0: return 'D';
    case 0xD1: return 'N';
    case 0xD2:
    case 0xD3:
    case 0xD4:
    case 0xD5:
    case 0xD6:
    case 0xD8:
    case 0x8C: return 'O';
    case 0xD9:
    case 0xDA:
    case 0xDB:
    case 0xDC: return 'U';
    case 0xDD:
    case 0x9F: return 'Y';
    case 0xDE: return 'T';
    case 0xDF:
    case 0x8A: return 'S';
    case 0x8E: return 'Z';
    default: return 0;
    }
}

// Weight of every byte after case folding: control bytes, then blanks, punctuation and
// symbols (in code order), then digits, then letters by base letter with accented forms after
// the plain one.  Distinct folded bytes get distinct weights.
std::array<uint16_t, 256> buildWeights() {
    std::vector<unsigned char> order;
    auto isDigit = [](unsigned c) { return c >= '0' && c <= '9'; };
    for (unsigned c = 0; c < 256; ++c)
        if (c < 0x20 || c == 0x7F) order.push_back(static_cast<unsigned char>(c));
    for (unsigned c = 0x20; c < 256; ++c)
        if (c != 0x7F && !isDigit(c) && !baseLetter(static_cast<unsigned char>(c)))
            order.push_back(static_cast<unsigned char>(c));
    for (unsigned c = '0'; c <= '9'; ++c) order.push_back(static_cast<unsigned char>(c));
    for (char base = 'A'; base <= 'Z'; ++base) {
        order.push_back(static_cast<unsigned char>(base));
        for (unsigned c = 0x80; c < 256; ++c)
            if (baseLetter(static_cast<unsigned char>(c)) == base) order.push_back(static_cast<unsigned char>(c));
    }
    std::array<uint16_t, 256> weights{};
    for (size_t i = 0; i < order.size(); ++i) weights[order[i]] = static_cast<uint16_t>(i + 1);
    // Lower-case bytes weigh as their upper-case letter.
    for (unsigned c = 0; c < 256; ++c) {
        unsigned char folded = static_cast<unsigned char>(upperCase1252(static_cast<char>(c)));
        if (folded != c) weights[c] = weights[folded];
    }
    return weights;
}

}  // namespace

int collateTexts(std::string_view a, std::string_view b) {
    static const std::array<uint16_t, 256> weights = buildWeights();
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        uint16_t x = weights[static_cast<unsigned char>(a[i])];
        uint16_t y = weights[static_cast<unsigned char>(b[i])];
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace sheet
