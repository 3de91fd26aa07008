#include <algorithm>
#include <cmath>
#include <vector>

#include "render/palette.h"
#include "scene_painter.h"

namespace render::detail {

ScenePainter::ScenePainter(cairo_t* cr) : cr_(cr), bevels_(cr), text_(cr) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
}

void ScenePainter::paint(const Scene& scene) {
    bevels_.fill({0, 0, scene.width, scene.height}, scene.background);
    for (const Element& element : scene.elements) std::visit(*this, element);
    // An unbalanced clip in a scene must not leak into whatever the caller draws next.
    while (clipDepth_ > 0) (*this)(PopClip{});
}

void ScenePainter::operator()(const FillRect& e) { bevels_.fill(e.rect, e.color); }
void ScenePainter::operator()(const FrameRect& e) { bevels_.frame(e.rect, e.color, e.thickness); }

void ScenePainter::operator()(const Line& e) {
    if (e.dotted)
        bevels_.dottedLine(e.x1, e.y1, e.x2, e.y2, e.color, e.thickness);
    else
        bevels_.line(e.x1, e.y1, e.x2, e.y2, e.color, e.thickness);
}

void ScenePainter::operator()(const Text& e) {
    if (e.background) bevels_.fill(e.rect, *e.background);
    text_.draw({e.rect, e.font, e.color, e.align, e.valign, e.wrap, e.clip}, e.text);
}

void ScenePainter::operator()(const Picture& e) {
    drawImage(e.rect, e.image, e.transparent, e.mask ? &*e.mask : nullptr);
}

void ScenePainter::operator()(const TrackerFrame& e) {
    const Rect& r = e.rect;
    if (e.hatched) {
        // A hatched border four pixels wide outside the object, as a moving tracker draws it.
        Rect outer = r.inflate(4);
        for (int y = outer.top; y < outer.bottom; ++y)
            for (int x = outer.left; x < outer.right; ++x)
                if (!r.contains(x, y) && ((x + y) % 4 == 0)) bevels_.fill({x, y, x + 1, y + 1}, palette::windowText);
    } else if (e.dotted) {
        bevels_.dottedFrame(r, palette::windowText);
    } else {
        bevels_.frame(r, palette::windowText);
    }
    if (!e.handles) return;
    int s = std::max(3, e.handleSize);
    int midX = r.left + r.width() / 2, midY = r.top + r.height() / 2;
    const int xs[3] = {r.left, midX - s / 2, r.right - s};
    const int ys[3] = {r.top, midY - s / 2, r.bottom - s};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (i != 1 || j != 1) bevels_.fill({xs[i], ys[j], xs[i] + s, ys[j] + s}, palette::windowText);
}

void ScenePainter::operator()(const PushClip& e) {
    cairo_save(cr_);
    cairo_rectangle(cr_, e.rect.left, e.rect.top, std::max(0, e.rect.width()), std::max(0, e.rect.height()));
    cairo_clip(cr_);
    ++clipDepth_;
}

void ScenePainter::operator()(const PopClip&) {
    if (clipDepth_ == 0) return;
    cairo_restore(cr_);
    --clipDepth_;
}

void ScenePainter::operator()(const FocusRect& e) { bevels_.dottedFrame(e.rect, palette::windowText); }
void ScenePainter::operator()(const ScrollBar& e) { bevels_.scrollBar(e); }

void ScenePainter::operator()(const DropButton& e) {
    bevels_.fill(e.rect, palette::face);
    bevels_.edge(e.rect, Edge::ButtonRaised);
    bevels_.arrow(e.rect, Arrow::Down, e.enabled ? palette::buttonText : palette::grayText);
}

void ScenePainter::operator()(const StaticFrame& e) {
    using namespace palette;
    const Rect& r = e.rect;
    switch (e.kind) {
    case FrameKind::Black:
    case FrameKind::Gray:
    case FrameKind::White: {
        Rgb color = e.kind == FrameKind::Black ? darkShadow3d : e.kind == FrameKind::Gray ? shadow3d : highlight3d;
        if (e.filled)
            bevels_.fill(r, color);
        else
            bevels_.frame(r, color);
        break;
    }
    case FrameKind::Etched: bevels_.edge(r, Edge::Etched); break;
    case FrameKind::EtchedHorizontal:
        bevels_.hline(r.left, r.right, r.top, shadow3d);
        bevels_.hline(r.left, r.right, r.top + 1, highlight3d);
        break;
    case FrameKind::EtchedVertical:
        bevels_.vline(r.left, r.top, r.bottom, shadow3d);
        bevels_.vline(r.left + 1, r.top, r.bottom, highlight3d);
        break;
    case FrameKind::Sunken: bevels_.twoTone(r, shadow3d, highlight3d); break;
    case FrameKind::Raised: bevels_.twoTone(r, highlight3d, shadow3d); break;
    }
}

void ScenePainter::operator()(const StaticPicture& e) {
    Rect area = e.rect;
    if (e.sunken) {
        bevels_.twoTone(area, palette::shadow3d, palette::highlight3d);
        area = area.inflate(-1);
    }
    if (e.image.empty()) return;
    Rect dest = area;
    if (!e.stretch) {
        int x = e.center ? area.left + (area.width() - e.image.width) / 2 : area.left;
        int y = e.center ? area.top + (area.height() - e.image.height) / 2 : area.top;
        dest = {x, y, x + e.image.width, y + e.image.height};
    }
    cairo_save(cr_);
    cairo_rectangle(cr_, area.left, area.top, std::max(0, area.width()), std::max(0, area.height()));
    cairo_clip(cr_);
    drawImage(dest, e.image, e.transparent, nullptr);
    cairo_restore(cr_);
}

void ScenePainter::drawImage(const Rect& dest, const Image& image, const std::optional<Rgb>& transparent,
                             const Image* mask) {
    if (image.empty() || dest.empty() || image.pixels.size() < size_t(image.width) * size_t(image.height)) return;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < image.width; ++x) {
            uint32_t argb = image.at(x, y);
            uint32_t a = argb >> 24;
            bool hidden =
                (transparent && (argb & 0xFFFFFF) == *transparent) || (mask && (mask->at(x, y) & 0xFFFFFF) == 0xFFFFFF);
            if (hidden) a = 0;
            auto premultiply = [a](uint32_t c) { return (c * a + 127) / 255; };
            row[x] = (a << 24) | (premultiply((argb >> 16) & 0xFF) << 16) | (premultiply((argb >> 8) & 0xFF) << 8) |
                     premultiply(argb & 0xFF);
        }
    }
    cairo_surface_mark_dirty(surface);
    cairo_save(cr_);
    cairo_translate(cr_, dest.left, dest.top);
    cairo_scale(cr_, double(dest.width()) / image.width, double(dest.height()) / image.height);
    cairo_set_source_surface(cr_, surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr_, 0, 0, image.width, image.height);
    cairo_fill(cr_);
    cairo_restore(cr_);
    cairo_surface_destroy(surface);
}

Rect ScenePainter::drawLabel(const Rect& r, const std::string& text, const Font& font, bool enabled, HAlign align,
                             VAlign valign, bool wrap, bool mnemonic) {
    std::string shown = mnemonic ? stripMnemonic(text) : text;
    if (enabled) return text_.draw({r, font, palette::buttonText, align, valign, wrap, true}, shown);
    // Disabled text is embossed: a white copy one pixel down and right under the grey one.
    text_.draw({r.offset(1, 1), font, palette::highlight3d, align, valign, wrap, true}, shown);
    return text_.draw({r, font, palette::grayText, align, valign, wrap, true}, shown);
}

int listItemHeight(const Font& font, int requested) {
    return requested > 0 ? requested : TextPainter::lineHeight(font) + 3;
}

}  // namespace render::detail
