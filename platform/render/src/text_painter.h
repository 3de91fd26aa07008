#pragma once
// Text in the classic look: window fonts mapped onto DejaVu, code page 1252 converted to
// UTF-8 here and nowhere earlier, lines wrapped and aligned in a box.  A single line that
// would not fit its box is set in the condensed face and, if still too wide, narrowed a
// little, so that labels laid out for a narrower font are not cut off.

#include <cairo.h>

#include <string>
#include <string_view>
#include <vector>

#include "render/scene.h"

namespace render::detail {

struct TextBox {
    Rect rect;
    Font font;
    Rgb color = 0;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    bool wrap = false;
    bool clip = true;
};

class TextPainter {
public:
    explicit TextPainter(cairo_t* cr) : cr_(cr) {}

    // Draws cp1252 text in the box; returns the bounds of the inked lines (for focus frames).
    Rect draw(const TextBox& box, std::string_view cp1252);
    // Width of one line of cp1252 text in the font, unfitted.
    double lineWidth(const Font& font, std::string_view cp1252);
    // Height of one line as the window system lays it out.
    static int lineHeight(const Font& font);

private:
    struct Line {
        std::string utf8;
        double width = 0;
    };
    struct Setting {
        bool condensed = false;
        double xScale = 1.0;
    };
    void selectFont(const Font& font, bool condensed);
    std::vector<Line> wrapLines(const std::vector<std::string>& paragraphs, double maxWidth, bool wrap);
    Setting fitSetting(const Font& font, const std::vector<std::string>& paragraphs, const Rect& rect, bool wrap);

    cairo_t* cr_;
};

// "&Save" shows as "Save"; "&&" is a literal ampersand.
std::string stripMnemonic(std::string_view text);

}  // namespace render::detail
