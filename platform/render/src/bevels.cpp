#include "bevels.h"

#include <algorithm>
#include <cstdlib>

#include "render/palette.h"

namespace render::detail {

void setSourceRgb(cairo_t* cr, Rgb color) {
    cairo_set_source_rgb(cr, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, (color & 0xFF) / 255.0);
}

void Bevels::setColor(Rgb color) { setSourceRgb(cr_, color); }

void Bevels::fill(const Rect& r, Rgb color) {
    if (r.empty()) return;
    setColor(color);
    cairo_rectangle(cr_, r.left, r.top, r.width(), r.height());
    cairo_fill(cr_);
}

void Bevels::frame(const Rect& r, Rgb color, int thickness) {
    if (r.empty()) return;
    int t = std::min({thickness, r.width() / 2 + 1, r.height() / 2 + 1});
    fill({r.left, r.top, r.right, r.top + t}, color);
    fill({r.left, r.bottom - t, r.right, r.bottom}, color);
    fill({r.left, r.top, r.left + t, r.bottom}, color);
    fill({r.right - t, r.top, r.right, r.bottom}, color);
}

void Bevels::hline(int x1, int x2, int y, Rgb color) { fill({std::min(x1, x2), y, std::max(x1, x2), y + 1}, color); }
void Bevels::vline(int x, int y1, int y2, Rgb color) { fill({x, std::min(y1, y2), x + 1, std::max(y1, y2)}, color); }

void Bevels::twoTone(const Rect& r, Rgb topLeft, Rgb bottomRight) {
    if (r.empty()) return;
    hline(r.left, r.right - 1, r.top, topLeft);
    vline(r.left, r.top, r.bottom - 1, topLeft);
    hline(r.left, r.right, r.bottom - 1, bottomRight);
    vline(r.right - 1, r.top, r.bottom, bottomRight);
}

Rect Bevels::edge(const Rect& r, Edge kind) {
    using namespace palette;
    Rgb outerTL = 0, outerBR = 0, innerTL = 0, innerBR = 0;
    switch (kind) {
    case Edge::Raised:
        outerTL = light3d;
        outerBR = darkShadow3d;
        innerTL = highlight3d;
        innerBR = shadow3d;
        break;
    case Edge::WindowRaised:
        outerTL = light3d;
        outerBR = darkShadow3d;
        innerTL = highlight3d;
        innerBR = shadow3d;
        break;
    case Edge::ButtonRaised:
        outerTL = highlight3d;
        outerBR = darkShadow3d;
        innerTL = light3d;
        innerBR = shadow3d;
        break;
    case Edge::Sunken:
        outerTL = shadow3d;
        outerBR = highlight3d;
        innerTL = darkShadow3d;
        innerBR = light3d;
        break;
    case Edge::Etched:
        outerTL = shadow3d;
        outerBR = highlight3d;
        innerTL = highlight3d;
        innerBR = shadow3d;
        break;
    case Edge::Bump:
        outerTL = highlight3d;
        outerBR = shadow3d;
        innerTL = shadow3d;
        innerBR = highlight3d;
        break;
    case Edge::ButtonPressed:
        frame(r, darkShadow3d);
        frame(r.inflate(-1), shadow3d);
        return r.inflate(-2);
    }
    twoTone(r, outerTL, outerBR);
    twoTone(r.inflate(-1), innerTL, innerBR);
    return r.inflate(-2);
}

void Bevels::dottedLine(int x1, int y1, int x2, int y2, Rgb color, int thickness) {
    int t = std::max(1, thickness);
    if (y1 == y2) {
        for (int x = std::min(x1, x2); x < std::max(x1, x2); x += 2) fill({x, y1, x + 1, y1 + t}, color);
    } else if (x1 == x2) {
        for (int y = std::min(y1, y2); y < std::max(y1, y2); y += 2) fill({x1, y, x1 + t, y + 1}, color);
    } else {
        const double dashes[] = {2.0, 2.0};
        cairo_save(cr_);
        cairo_set_dash(cr_, dashes, 2, 0);
        line(x1, y1, x2, y2, color, t);
        cairo_restore(cr_);
    }
}

void Bevels::dottedFrame(const Rect& r, Rgb color) {
    if (r.empty()) return;
    dottedLine(r.left, r.top, r.right, r.top, color, 1);
    dottedLine(r.left, r.bottom - 1, r.right, r.bottom - 1, color, 1);
    dottedLine(r.left, r.top, r.left, r.bottom, color, 1);
    dottedLine(r.right - 1, r.top, r.right - 1, r.bottom, color, 1);
}

void Bevels::line(int x1, int y1, int x2, int y2, Rgb color, int thickness) {
    int t = std::max(1, thickness);
    if (y1 == y2) return fill({std::min(x1, x2), y1, std::max(x1, x2), y1 + t}, color);
    if (x1 == x2) return fill({x1, std::min(y1, y2), x1 + t, std::max(y1, y2)}, color);
    setColor(color);
    cairo_set_line_width(cr_, t);
    cairo_move_to(cr_, x1 + 0.5, y1 + 0.5);
    cairo_line_to(cr_, x2 + 0.5, y2 + 0.5);
    cairo_stroke(cr_);
}

void Bevels::dither(const Rect& r, Rgb a, Rgb b) {
    fill(r, a);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left + ((y + r.left) & 1); x < r.right; x += 2) fill({x, y, x + 1, y + 1}, b);
}

void Bevels::arrow(const Rect& box, Arrow direction, Rgb color) {
    // A solid triangle four pixels deep, seven wide, centred in the box.
    int cx = box.left + box.width() / 2, cy = box.top + box.height() / 2;
    for (int i = 0; i < 4; ++i) {
        switch (direction) {
        case Arrow::Down: hline(cx - 3 + i, cx + 4 - i, cy - 2 + i, color); break;
        case Arrow::Up: hline(cx - 3 + i, cx + 4 - i, cy + 1 - i, color); break;
        case Arrow::Right: vline(cx - 2 + i, cy - 3 + i, cy + 4 - i, color); break;
        case Arrow::Left: vline(cx + 1 - i, cy - 3 + i, cy + 4 - i, color); break;
        }
    }
}

void Bevels::tick(int x, int y, Rgb color) {
    static const char* const rows[7] = {"......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X...."};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            if (rows[r][c] == 'X') fill({x + c, y + r, x + c + 1, y + r + 1}, color);
}

void Bevels::checkBox(const Rect& box, CheckState state, bool enabled, bool flat) {
    using namespace palette;
    Rect inner = flat ? (frame(box, shadow3d), box.inflate(-1)) : edge(box, Edge::Sunken);
    if (state == CheckState::Indeterminate)
        dither(inner, face, highlight3d);
    else
        fill(inner, enabled ? window : face);
    if (state == CheckState::Unchecked) return;
    Rgb mark = (!enabled || state == CheckState::Indeterminate) ? grayText : windowText;
    tick(box.left + box.width() / 2 - 3, box.top + box.height() / 2 - 3, mark);
}

void Bevels::radioButton(const Rect& box, bool checked, bool enabled) {
    using namespace palette;
    static const char* const rows[12] = {
        "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWLH.", "SDWWWWWWWWLH", "SDWWWWWWWWLH",
        "SDWWWWWWWWLH", "SDWWWWWWWWLH", ".SDWWWWWWLH.", ".HLLWWWWLLH.", "..HHLLLLHH..", "....HHHH....",
    };
    int x0 = box.left + (box.width() - 12) / 2, y0 = box.top + (box.height() - 12) / 2;
    for (int r = 0; r < 12; ++r) {
        for (int c = 0; c < 12; ++c) {
            Rgb color = 0;
            switch (rows[r][c]) {
            case 'S': color = shadow3d; break;
            case 'D': color = darkShadow3d; break;
            case 'H': color = highlight3d; break;
            case 'L': color = light3d; break;
            case 'W': color = enabled ? window : face; break;
            default: continue;
            }
            fill({x0 + c, y0 + r, x0 + c + 1, y0 + r + 1}, color);
        }
    }
    if (!checked) return;
    Rgb dot = enabled ? windowText : grayText;
    fill({x0 + 5, y0 + 4, x0 + 7, y0 + 8}, dot);
    fill({x0 + 4, y0 + 5, x0 + 8, y0 + 7}, dot);
}

void Bevels::closeGlyph(const Rect& box, Rgb color) {
    int size = std::min(box.width(), box.height()) - 6;
    if (size < 4) return;
    int x0 = box.left + (box.width() - size) / 2, y0 = box.top + (box.height() - size) / 2;
    for (int i = 0; i < size; ++i) {
        fill({x0 + i, y0 + i, x0 + i + 2, y0 + i + 1}, color);
        fill({x0 + size - 1 - i - 1, y0 + i, x0 + size - i, y0 + i + 1}, color);
    }
}

void Bevels::scrollBar(const ScrollBar& bar) {
    using namespace palette;
    const Rect& r = bar.rect;
    if (r.empty()) return;
    int button = bar.vertical ? std::min(r.width(), r.height() / 2) : std::min(r.height(), r.width() / 2);
    Rect first =
        bar.vertical ? Rect{r.left, r.top, r.right, r.top + button} : Rect{r.left, r.top, r.left + button, r.bottom};
    Rect second = bar.vertical ? Rect{r.left, r.bottom - button, r.right, r.bottom}
                               : Rect{r.right - button, r.top, r.right, r.bottom};
    Rect track = bar.vertical ? Rect{r.left, first.bottom, r.right, second.top}
                              : Rect{first.right, r.top, second.left, r.bottom};
    dither(track, face, highlight3d);
    Rgb glyph = bar.enabled && bar.range > bar.page ? windowText : grayText;
    for (auto [part, dir] : {std::pair{first, bar.vertical ? Arrow::Up : Arrow::Left},
                             std::pair{second, bar.vertical ? Arrow::Down : Arrow::Right}}) {
        fill(part, face);
        edge(part, Edge::ButtonRaised);
        arrow(part, dir, glyph);
    }
    if (!bar.enabled || bar.range <= bar.page || bar.range <= 0) return;
    int length = bar.vertical ? track.height() : track.width();
    int thumb = std::max(8, bar.page > 0 ? int(int64_t(length) * bar.page / bar.range) : 8);
    thumb = std::min(thumb, length);
    int span = std::max(1, bar.range - std::max(bar.page, 1));
    int pos = std::clamp(bar.position, 0, span);
    int offset = int(int64_t(length - thumb) * pos / span);
    Rect thumbRect = bar.vertical ? Rect{track.left, track.top + offset, track.right, track.top + offset + thumb}
                                  : Rect{track.left + offset, track.top, track.left + offset + thumb, track.bottom};
    fill(thumbRect, face);
    edge(thumbRect, Edge::ButtonRaised);
}

}  // namespace render::detail
