#include "base/cp1252.h"

#include <cstdint>

namespace base {
namespace {

// Code points of bytes 0x80..0x9F, the only block where the code page differs from Latin-1.
constexpr char16_t kHighBlock[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int byteForCodePoint(std::uint32_t cp) {
    if (cp <= 0xFF) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighBlock[i] == cp) return 0x80 + i;
    return -1;
}

}  // namespace

char32_t codePointOf1252(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kHighBlock[byte - 0x80] : byte; }

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (unsigned char c : text) appendUtf8(out, codePointOf1252(c));
    return out;
}

std::string utf8ToCp1252(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80             ? 0
                    : (lead & 0xE0) == 0xC0 ? 1
                    : (lead & 0xF0) == 0xE0 ? 2
                    : (lead & 0xF8) == 0xF0 ? 3
                                            : -1;
        if (extra < 0) {
            out += replacement;
            ++i;
            continue;
        }
        std::uint32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        if (!valid) {
            out += replacement;
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        int byte = byteForCodePoint(cp);
        out += byte < 0 ? replacement : static_cast<char>(byte);
    }
    return out;
}

}  // namespace base
