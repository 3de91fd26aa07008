#pragma once
// Fonts and text metrics.  The metrics are deterministic and never depend on installed
// fonts, so that layout and tests give the same numbers on every machine.

#include <cstdint>
#include <string>
#include <string_view>

namespace win {

struct FontSpec {
    std::string face = "Tahoma";
    int height = 13;
    int weight = 400;
    bool italic = false;
    bool underline = false;
};

struct TextSize {
    int cx = 0, cy = 0;
};

// Each character has a fixed advance from a table scaled by height and weight.  Text with
// line breaks ("\n" or "\r\n") measures as the widest line times the number of lines.
TextSize measureText(const FontSpec& font, std::string_view cp1252Text);
int averageCharWidth(const FontSpec& font);

// measureText for many texts in one font: what depends on the font alone is worked out once.
class TextMeasure {
public:
    explicit TextMeasure(const FontSpec& font);
    TextSize operator()(std::string_view cp1252Text) const;

private:
    int height_ = 0;
    int64_t scale_ = 0;                  // height times weight factor per mille
    const int16_t* advances_ = nullptr;  // per byte, in thousandths of the height
};

}  // namespace win
