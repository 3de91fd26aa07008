#include <algorithm>
#include <cmath>

#include "render/palette.h"
#include "scene_painter.h"

namespace render::detail {

void ScenePainter::operator()(const Ellipse& e) {
    if (e.rect.empty()) return;
    cairo_new_path(cr_);
    cairo_save(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    double inset = e.outline ? std::max(1, e.thickness) / 2.0 : 0.0;
    double w = e.rect.width() - 2 * inset, h = e.rect.height() - 2 * inset;
    cairo_translate(cr_, e.rect.left + inset + w / 2, e.rect.top + inset + h / 2);
    cairo_scale(cr_, std::max(w, 0.5) / 2, std::max(h, 0.5) / 2);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr_);
    cairo_save(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    if (e.fill) {
        setSourceRgb(cr_, *e.fill);
        cairo_fill_preserve(cr_);
    }
    if (e.outline) {
        setSourceRgb(cr_, *e.outline);
        cairo_set_line_width(cr_, std::max(1, e.thickness));
        cairo_stroke(cr_);
    }
    cairo_new_path(cr_);
    cairo_restore(cr_);
}

void ScenePainter::operator()(const InvertRect& e) {
    if (e.rect.empty()) return;
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_rectangle(cr_, e.rect.left, e.rect.top, e.rect.width(), e.rect.height());
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void ScenePainter::operator()(const Edge3D& e) {
    using namespace palette;
    if (e.rect.empty()) return;
    if (e.fillMiddle) bevels_.fill(e.rect, face);
    Rect r = e.rect;
    auto lines = [&](int kind, bool outer) {
        if (kind == 0) return;
        Rgb tl = 0, br = 0;
        if (outer) {
            tl = kind > 0 ? light3d : shadow3d;
            br = kind > 0 ? darkShadow3d : highlight3d;
        } else {
            tl = kind > 0 ? highlight3d : darkShadow3d;
            br = kind > 0 ? shadow3d : light3d;
        }
        if (e.top) bevels_.hline(r.left, r.right - 1, r.top, tl);
        if (e.left) bevels_.vline(r.left, r.top, r.bottom - 1, tl);
        if (e.bottom) bevels_.hline(r.left, r.right, r.bottom - 1, br);
        if (e.right) bevels_.vline(r.right - 1, r.top, r.bottom, br);
        r = {r.left + (e.left ? 1 : 0), r.top + (e.top ? 1 : 0), r.right - (e.right ? 1 : 0),
             r.bottom - (e.bottom ? 1 : 0)};
    };
    lines(e.outer, true);
    lines(e.inner, false);
}

void ScenePainter::operator()(const SystemIcon& e) {
    if (e.rect.empty()) return;
    double size = std::min(e.rect.width(), e.rect.height());
    double cx = e.rect.left + e.rect.width() / 2.0, cy = e.rect.top + e.rect.height() / 2.0;
    double r = size / 2 - 1;
    cairo_new_path(cr_);
    cairo_save(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_line_width(cr_, 1);
    Rgb glyphColor = rgb(0, 0, 0xFF);
    std::string glyph;
    if (e.name == "warning") {
        cairo_move_to(cr_, cx, cy - r);
        cairo_line_to(cr_, cx + r, cy + r * 0.85);
        cairo_line_to(cr_, cx - r, cy + r * 0.85);
        cairo_close_path(cr_);
        setSourceRgb(cr_, rgb(0xFF, 0xFF, 0));
        cairo_fill_preserve(cr_);
        setSourceRgb(cr_, rgb(0, 0, 0));
        cairo_stroke(cr_);
        glyph = "!";
        glyphColor = rgb(0, 0, 0);
    } else {
        bool error = e.name == "error";
        cairo_arc(cr_, cx, cy, r, 0, 2 * M_PI);
        setSourceRgb(cr_, error ? rgb(0xFF, 0, 0) : rgb(0xFF, 0xFF, 0xFF));
        cairo_fill_preserve(cr_);
        setSourceRgb(cr_, error ? rgb(0x80, 0, 0) : rgb(0, 0, 0));
        cairo_stroke(cr_);
        if (error) {
            double d = r * 0.4;
            setSourceRgb(cr_, rgb(0xFF, 0xFF, 0xFF));
            cairo_set_line_width(cr_, std::max(2.0, size / 10));
            cairo_move_to(cr_, cx - d, cy - d);
            cairo_line_to(cr_, cx + d, cy + d);
            cairo_move_to(cr_, cx + d, cy - d);
            cairo_line_to(cr_, cx - d, cy + d);
            cairo_stroke(cr_);
        } else {
            glyph = e.name == "question" ? "?" : "i";
        }
    }
    cairo_restore(cr_);
    if (!glyph.empty()) {
        Font font;
        font.face = "Serif";
        font.weight = 700;
        font.height = int(size * 0.8);
        Rect box{e.rect.left, int(e.rect.top + (e.name == "warning" ? size * 0.12 : 0)), e.rect.right, e.rect.bottom};
        text_.draw({box, font, glyphColor, HAlign::Center, VAlign::Middle, false, false}, glyph);
    }
}

}  // namespace render::detail
