// Text metrics that are the same on every machine.  Each character has a fixed advance in
// thousandths of the font height, chosen by the shape of the character (narrow strokes,
// ordinary letters, wide letters, tabular digits); a line is the sum of its advances scaled
// by the height, so that layout code and tests see identical numbers everywhere.

#include "win/font.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace win {

namespace {

constexpr int kDefaultHeight = 13;
constexpr int kMonospaceAdvance = 600;
constexpr int kTabSpaces = 4;

int proportionalAdvance(unsigned char c) {
    if (c < 0x20 || c == 0x7F) return 0;
    if (c == ' ' || c == 0xA0) return 300;
    if (c >= '0' && c <= '9') return 550;  // tabular, so that columns of numbers line up
    switch (c) {
    case 'i':
    case 'j':
    case 'l':
    case '\'':
    case '!':
    case '|':
    case '.':
    case ',':
    case ':':
    case ';':
    case '`': return 250;
    case 'f':
    case 't':
    case 'r':
    case 'I':
    case '(':
    case ')':
    case '[':
    case ']':
    case '{':
    case '}':
    case '/':
    case '\\':
    case '-':
    case '"': return 350;
    case 'm':
    case 'w': return 800;
    case 'M':
    case 'W':
    case '@':
    case '%': return 850;
    default: break;
    }
    if (c >= 'a' && c <= 'z') return 520;
    if (c >= 'A' && c <= 'Z') return 650;
    // Code page 1252 letters: capitals with accents from 0xC0, small letters from 0xDF.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return 650;
    if (c >= 0xDF && c != 0xF7) return 520;
    return 550;
}

bool isMonospaceFace(const std::string& face) {
    std::string lower(face);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    for (const char* marker : {"courier", "mono", "consolas", "console", "fixedsys", "terminal"})
        if (lower.find(marker) != std::string::npos) return true;
    return false;
}

int pixelHeight(const FontSpec& font) {
    // A negative height asks for the character height, as in a LOGFONT; both mean pixels here.
    int h = std::abs(font.height);
    return h == 0 ? kDefaultHeight : h;
}

// Bold faces run a little wider: 400 is normal, 700 bold is 7.5 % wider.
int weightPerMille(const FontSpec& font) {
    int weight = std::clamp(font.weight == 0 ? 400 : font.weight, 100, 1000);
    return 1000 + std::max(0, weight - 400) / 4;
}

// The advances of the code page for proportional and for monospace faces, indexed by byte.
// Control characters (a line's closing '\r' among them) advance nothing; a tab is four spaces.
struct AdvanceTables {
    int16_t proportional[256];
    int16_t monospace[256];
    AdvanceTables() {
        for (int c = 0; c < 256; ++c) {
            const unsigned char byte = static_cast<unsigned char>(c);
            proportional[c] = static_cast<int16_t>(proportionalAdvance(byte));
            monospace[c] = static_cast<int16_t>(byte < 0x20 || byte == 0x7F ? 0 : kMonospaceAdvance);
        }
        proportional[static_cast<unsigned char>('\t')] = static_cast<int16_t>(kTabSpaces * proportionalAdvance(' '));
        monospace[static_cast<unsigned char>('\t')] = static_cast<int16_t>(kTabSpaces * kMonospaceAdvance);
    }
};

const AdvanceTables& advanceTables() {
    static const AdvanceTables tables;
    return tables;
}

}  // namespace

TextMeasure::TextMeasure(const FontSpec& font)
    : height_(pixelHeight(font)),
      scale_(int64_t(pixelHeight(font)) * weightPerMille(font)),
      advances_(isMonospaceFace(font.face) ? advanceTables().monospace : advanceTables().proportional) {}

// One pass over the text: the widest line's advances, and the number of lines.  Rounding is
// monotonic, so the widest line in units is the widest in pixels.
TextSize TextMeasure::operator()(std::string_view cp1252Text) const {
    int64_t widest = 0, units = 0;
    int lines = 1;
    for (char ch : cp1252Text) {
        if (ch == '\n') {
            widest = std::max(widest, units);
            units = 0;
            ++lines;
        } else {
            units += advances_[static_cast<unsigned char>(ch)];
        }
    }
    widest = std::max(widest, units);
    return {static_cast<int>((widest * scale_ + 500000) / 1000000), lines * height_};
}

TextSize measureText(const FontSpec& font, std::string_view cp1252Text) { return TextMeasure(font)(cp1252Text); }

int averageCharWidth(const FontSpec& font) {
    static const std::string_view letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    int total = measureText(font, letters).cx;
    return (total + 26) / 52;
}

}  // namespace win
