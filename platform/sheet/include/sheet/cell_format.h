// How a cell looks and behaves apart from its content: its cell type record, lock, font,
// colours and border.  Sheets intern these records, so a million cells of one look cost one
// record.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace sheet {

// Cell type numbers, as the engine reports them.  Callers rely on 12 (check box), on 10 being
// read as a whole number, on 14 to 16 being read as floating point, and on 8 (picture) having
// no text worth measuring.
enum class CellKind : uint8_t {
    General = 0,     // no type given: text or number as entered
    Edit = 1,        // text with a maximum length
    StaticText = 2,  // shown, never edited
    Button = 3,      // a push button showing a text
    ComboBox = 4,    // a choice from a list of items, optionally editable
    Picture = 8,     // a picture from a file or a bitmap/icon handle
    Integer = 10,    // a whole number within limits
    CheckBox = 12,   // "1" ticked, "0" not ticked
    Number = 14,     // a number with fixed decimals within limits
    Float = 15,      // a number shown with as many decimals as it needs
    Percent = 16,    // a number shown as a percentage
};
bool isKnownCellKind(int kind);

// Everything one cell type call sets.  Fields that a kind does not use stay at their defaults,
// so that equal looks compare equal.
struct CellTypeRecord {
    CellKind kind = CellKind::General;
    uint32_t style = 0;                     // the kind's style bits, kept as given
    int32_t maxLength = 0;                  // Edit: characters allowed
    int32_t decimals = 0;                   // Number: digits after the point
    int32_t charSet = 0;                    // Edit
    int32_t charCase = 0;                   // Edit: 0 lower, 1 as typed, 2 upper
    int32_t flag = 0;                       // Number: the separator flag
    double minimum = 0, maximum = 0;        // Integer, Number, Float, Percent
    std::string text;                       // ComboBox: items joined by '\t'; Button, CheckBox: caption;
                                            // Picture: file name
    std::array<uint64_t, 4> pictures{};     // CheckBox, Button, Picture: bitmap or icon handles
    std::array<int16_t, 4> pictureKinds{};  // how each handle is to be read
    friend bool operator==(const CellTypeRecord&, const CellTypeRecord&) = default;
};

// Colours are 0x00BBGGRR like the host's; kDefaultColor means "the sheet's default".
constexpr uint32_t kDefaultColor = 0xFFFFFFFFu;

struct CellFont {
    std::string face;  // empty: the sheet's default font
    int32_t height = 0;
    int32_t weight = 400;
    bool italic = false, underline = false;
    friend bool operator==(const CellFont&, const CellFont&) = default;
};

// Border sides, as bits of the side mask of the border calls.
enum : uint32_t { kBorderLeft = 1, kBorderRight = 2, kBorderTop = 4, kBorderBottom = 8, kBorderOutline = 16 };

struct BorderSide {
    int16_t style = 0;  // 0 none; other values are line styles kept as given
    uint32_t color = 0;
    friend bool operator==(const BorderSide&, const BorderSide&) = default;
};

struct CellFormat {
    CellTypeRecord type;
    bool locked = false;
    CellFont font;
    uint32_t backColor = kDefaultColor, foreColor = kDefaultColor;
    std::array<BorderSide, 4> border{};  // left, right, top, bottom
    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

size_t hashFormat(const CellFormat& format);

}  // namespace sheet
