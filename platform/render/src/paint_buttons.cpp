#include <algorithm>
#include <cmath>

#include "render/palette.h"
#include "scene_painter.h"

namespace render::detail {

namespace {
constexpr int kCaptionHeight = 18;
constexpr int kCheckBoxSize = 13;
constexpr int kCheckTextGap = 4;
}  // namespace

void ScenePainter::operator()(const WindowFrame& e) {
    using namespace palette;
    Rect inner = e.rect;
    if (e.border) {
        bevels_.fill(e.rect, face);
        inner = bevels_.edge(e.rect, Edge::WindowRaised).inflate(e.thickFrame ? -2 : -1);
    }
    if (e.caption) {
        int bandBottom = e.client.top > inner.top + 1 ? e.client.top - 1 : inner.top + kCaptionHeight;
        Rect band{inner.left, inner.top, inner.right, bandBottom};
        Rgb from = e.active ? activeCaption : inactiveCaption;
        Rgb to = e.active ? activeCaptionEnd : inactiveCaptionEnd;
        cairo_pattern_t* gradient = cairo_pattern_create_linear(band.left, 0, band.right, 0);
        auto stop = [&](double at, Rgb c) {
            cairo_pattern_add_color_stop_rgb(gradient, at, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                                             (c & 0xFF) / 255.0);
        };
        stop(0, from);
        stop(1, to);
        cairo_set_source(cr_, gradient);
        cairo_rectangle(cr_, band.left, band.top, band.width(), band.height());
        cairo_fill(cr_);
        cairo_pattern_destroy(gradient);

        Rect textArea{band.left + 3, band.top, band.right - 2, band.bottom};
        if (e.closeBox && band.height() >= 8) {
            int h = band.height() - 4, w = h + 2;
            Rect box{band.right - 2 - w, band.top + 2, band.right - 2, band.top + 2 + h};
            bevels_.fill(box, face);
            bevels_.edge(box, Edge::ButtonRaised);
            bevels_.closeGlyph(box.offset(0, 0), buttonText);
            textArea.right = box.left - 2;
        }
        Font titleFont = e.font;
        titleFont.weight = 700;
        titleFont.height = std::min(titleFont.height, band.height());
        text_.draw({textArea, titleFont, e.active ? captionText : inactiveCaptionText, HAlign::Left, VAlign::Middle,
                    false, true},
                   e.title);
    }
    if (e.clientFill) bevels_.fill(e.client, e.clientColor);
}

void ScenePainter::operator()(const PushButton& e) {
    using namespace palette;
    Rect r = e.rect;
    if (r.empty()) return;
    bevels_.fill(r, face);
    Rect inner = r;
    if (e.flat) {
        bevels_.frame(r, frame);
        inner = r.inflate(-1);
    } else {
        if (e.isDefault || e.pressed) {
            bevels_.frame(r, frame);
            inner = r.inflate(-1);
        }
        inner = bevels_.edge(inner, e.pressed ? Edge::ButtonPressed : Edge::ButtonRaised);
    }
    Rect content = inner.inflate(-1);
    if (e.pressed) content = content.offset(1, 1);
    if (e.image) {
        int x = content.left + (content.width() - e.image->width) / 2;
        int y = content.top + (content.height() - e.image->height) / 2;
        cairo_save(cr_);
        cairo_rectangle(cr_, content.left, content.top, std::max(0, content.width()), std::max(0, content.height()));
        cairo_clip(cr_);
        drawImage({x, y, x + e.image->width, y + e.image->height}, *e.image, std::nullopt, nullptr);
        cairo_restore(cr_);
    } else {
        Rect textRect{content.left + 1, content.top, content.right - 1, content.bottom};
        drawLabel(textRect, e.text, e.font, e.enabled, e.align, VAlign::Middle, e.multiline);
    }
    if (e.focused && e.enabled) bevels_.dottedFrame(r.inflate(e.isDefault || e.pressed ? -4 : -3), windowText);
}

void ScenePainter::operator()(const CheckBox& e) {
    using namespace palette;
    if (e.rect.empty()) return;
    if (e.pushLike) {
        PushButton button;
        button.rect = e.rect;
        button.text = e.text;
        button.font = e.font;
        button.enabled = e.enabled;
        button.focused = e.focused;
        button.pressed = e.state != CheckState::Unchecked;
        button.multiline = e.multiline;
        (*this)(button);
        return;
    }
    int boxTop = e.rect.top + (e.rect.height() - kCheckBoxSize) / 2;
    int boxLeft = e.textOnLeft ? e.rect.right - kCheckBoxSize : e.rect.left;
    Rect box{boxLeft, boxTop, boxLeft + kCheckBoxSize, boxTop + kCheckBoxSize};
    if (e.radio)
        bevels_.radioButton(box, e.state == CheckState::Checked, e.enabled);
    else
        bevels_.checkBox(box, e.state, e.enabled);

    Rect textRect = e.textOnLeft ? Rect{e.rect.left, e.rect.top, box.left - kCheckTextGap, e.rect.bottom}
                                 : Rect{box.right + kCheckTextGap, e.rect.top, e.rect.right, e.rect.bottom};
    Rect inked = drawLabel(textRect, e.text, e.font, e.enabled, e.textOnLeft ? HAlign::Right : HAlign::Left,
                           VAlign::Middle, e.multiline);
    if (e.focused && e.enabled && !inked.empty()) {
        Rect focus{inked.left - 1, inked.top, inked.right + 1, inked.bottom};
        focus.left = std::max(focus.left, textRect.left - 1);
        focus.right = std::min(focus.right, e.rect.right);
        focus.top = std::max(focus.top, e.rect.top);
        focus.bottom = std::min(focus.bottom, e.rect.bottom);
        bevels_.dottedFrame(focus, windowText);
    }
}

void ScenePainter::operator()(const GroupBox& e) {
    using namespace palette;
    if (e.rect.empty()) return;
    int lineH = TextPainter::lineHeight(e.font);
    int frameTop = e.rect.top + lineH / 2;
    bevels_.edge({e.rect.left, frameTop, e.rect.right, e.rect.bottom}, Edge::Etched);
    std::string label = stripMnemonic(e.text);
    if (label.empty()) return;
    int textWidth = int(std::ceil(text_.lineWidth(e.font, label)));
    int maxWidth = std::max(0, e.rect.width() - 16);
    int shownWidth = std::min(textWidth, maxWidth);
    Rect textRect{e.rect.left + 8, e.rect.top, e.rect.left + 8 + shownWidth, e.rect.top + lineH};
    // The caption interrupts the frame line: clear a gap of face colour behind it.
    bevels_.fill({textRect.left - 2, e.rect.top, textRect.right + 2, e.rect.top + lineH}, face);
    drawLabel(textRect, label, e.font, e.enabled, HAlign::Left, VAlign::Middle, false, false);
}

}  // namespace render::detail
