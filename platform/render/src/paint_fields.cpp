#include <algorithm>
#include <cmath>

#include "render/palette.h"
#include "scene_painter.h"

namespace render::detail {

namespace {
constexpr int kScrollBarWidth = 16;
constexpr int kCheckBoxSize = 13;

int visibleRows(int height, int itemHeight) { return itemHeight > 0 ? std::max(0, height / itemHeight) : 0; }
}  // namespace

void ScenePainter::operator()(const EditField& e) {
    using namespace palette;
    if (e.rect.empty()) return;
    Rect inner = e.rect;
    if (e.sunken)
        inner = bevels_.edge(e.rect, Edge::Sunken);
    else if (e.border) {
        bevels_.frame(e.rect, frame);
        inner = e.rect.inflate(-1);
    }
    bevels_.fill(inner, e.enabled && !e.readOnly ? window : face);
    if (e.vscroll && inner.width() > kScrollBarWidth) {
        bevels_.scrollBar(
            {{inner.right - kScrollBarWidth, inner.top, inner.right, inner.bottom}, true, 0, 0, 0, e.enabled});
        inner.right -= kScrollBarWidth;
    }
    std::string shown = e.password ? std::string(e.text.size(), '*') : e.text;
    Rect textRect{inner.left + 2, inner.top + 1, inner.right - 2, inner.bottom - 1};
    Rect inked = text_.draw({textRect, e.font, e.enabled ? windowText : grayText, e.align,
                             e.multiline ? VAlign::Top : VAlign::Middle, e.multiline, true},
                            shown);
    const size_t selStart = std::min<size_t>(size_t(e.selStart), shown.size());
    const size_t selEnd = std::min<size_t>(size_t(e.selEnd), shown.size());
    if (e.focused && e.enabled && !e.multiline && selStart < selEnd && !inked.empty()) {
        // The selected characters in selection colours; the text may have been narrowed to
        // fit, so the selection is placed by its share of the line's natural width.
        const double full = text_.lineWidth(e.font, shown);
        auto xAt = [&](size_t chars) {
            double share = full > 0 ? text_.lineWidth(e.font, std::string_view(shown).substr(0, chars)) / full : 0;
            return inked.left + int(std::lround(share * inked.width()));
        };
        Rect selected{xAt(selStart), inked.top, xAt(selEnd), inked.bottom};
        bevels_.fill(selected, selection);
        cairo_save(cr_);
        cairo_rectangle(cr_, selected.left, selected.top, selected.width(), selected.height());
        cairo_clip(cr_);
        text_.draw({textRect, e.font, selectionText, e.align, VAlign::Middle, false, true}, shown);
        cairo_restore(cr_);
        return;  // no caret while characters are selected
    }
    if (e.focused && e.enabled && !e.readOnly) {
        // The caret after the text shows where typing goes.
        int lineH = TextPainter::lineHeight(e.font);
        int x = inked.empty() ? (e.align == HAlign::Right ? textRect.right - 1 : textRect.left) : inked.right;
        int top = inked.empty() ? textRect.top + std::max(0, (textRect.height() - lineH) / 2) : inked.bottom - lineH;
        x = std::min(x, textRect.right - 1);
        bevels_.fill({x, top, x + 1, std::min(top + lineH, textRect.bottom)}, windowText);
    }
}

void ScenePainter::drawListRows(const Rect& inner, const Font& font, const std::vector<ListEntry>& entries,
                                int topIndex, int itemHeight, int caretIndex, bool enabled, bool focused,
                                const std::vector<int>& tabStops) {
    using namespace palette;
    cairo_save(cr_);
    cairo_rectangle(cr_, inner.left, inner.top, std::max(0, inner.width()), std::max(0, inner.height()));
    cairo_clip(cr_);
    int rows = visibleRows(inner.height(), itemHeight) + 1;
    for (int i = 0; i < rows; ++i) {
        int index = topIndex + i;
        if (index < 0 || index >= int(entries.size())) break;
        const ListEntry& entry = entries[size_t(index)];
        Rect row{inner.left, inner.top + i * itemHeight, inner.right, inner.top + (i + 1) * itemHeight};
        Rect textArea = row;
        if (entry.check) {
            Rect box{row.left + 1, row.top + (itemHeight - kCheckBoxSize) / 2, row.left + 1 + kCheckBoxSize, 0};
            box.bottom = box.top + kCheckBoxSize;
            bevels_.checkBox(box, *entry.check, enabled && entry.enabled, true);
            textArea.left = box.right + 2;
        }
        bool highlighted = entry.selected && enabled;
        if (highlighted) bevels_.fill(textArea, selection);
        Rgb color = !(enabled && entry.enabled) ? grayText : highlighted ? selectionText : windowText;
        Rect textRect{textArea.left + 2, row.top, textArea.right - 1, row.bottom};
        if (tabStops.empty() || entry.text.find('\t') == std::string::npos) {
            text_.draw({textRect, font, color, HAlign::Left, VAlign::Middle, false, true}, entry.text);
        } else {
            size_t start = 0;
            for (size_t column = 0; start <= entry.text.size(); ++column) {
                size_t tab = entry.text.find('\t', start);
                std::string part = entry.text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
                int left =
                    column == 0 ? textRect.left : textRect.left + tabStops[std::min(column, tabStops.size()) - 1];
                text_.draw({{left, textRect.top, textRect.right, textRect.bottom},
                            font,
                            color,
                            HAlign::Left,
                            VAlign::Middle,
                            false,
                            true},
                           part);
                if (tab == std::string::npos) break;
                start = tab + 1;
            }
        }
        if (focused && index == caretIndex) bevels_.dottedFrame(textArea, highlighted ? selectionText : windowText);
    }
    cairo_restore(cr_);
}

void ScenePainter::operator()(const ListBox& e) {
    using namespace palette;
    if (e.rect.empty()) return;
    Rect inner = e.rect;
    if (e.sunken)
        inner = bevels_.edge(e.rect, Edge::Sunken);
    else if (e.border) {
        bevels_.frame(e.rect, frame);
        inner = e.rect.inflate(-1);
    }
    bevels_.fill(inner, window);
    int itemHeight = listItemHeight(e.font, e.itemHeight);
    int rows = visibleRows(inner.height(), itemHeight);
    if (e.vscroll && int(e.entries.size()) > rows && inner.width() > kScrollBarWidth) {
        bevels_.scrollBar({{inner.right - kScrollBarWidth, inner.top, inner.right, inner.bottom},
                           true,
                           int(e.entries.size()),
                           rows,
                           e.topIndex,
                           e.enabled});
        inner.right -= kScrollBarWidth;
    }
    drawListRows(inner, e.font, e.entries, e.topIndex, itemHeight, e.caretIndex, e.enabled, e.focused, e.tabStops);
}

void ScenePainter::operator()(const ComboBox& e) {
    using namespace palette;
    if (e.rect.empty()) return;
    int itemHeight = listItemHeight(e.font, e.itemHeight);
    std::vector<ListEntry> entries;
    entries.reserve(e.items.size());
    auto checkOf = [&](size_t i) -> std::optional<CheckState> {
        if (i >= e.checkMarks.size()) return std::nullopt;
        return e.checkMarks[i] == 1   ? CheckState::Checked
               : e.checkMarks[i] == 2 ? CheckState::Indeterminate
                                      : CheckState::Unchecked;
    };
    for (size_t i = 0; i < e.items.size(); ++i) entries.push_back({e.items[i], int(i) == e.selected, checkOf(i), true});

    Rect inner = bevels_.edge(e.rect, Edge::Sunken);
    bevels_.fill(inner, e.enabled ? window : face);
    Rect textArea = inner;
    if (!e.simple) {
        Rect button{std::max(inner.left, inner.right - kScrollBarWidth), inner.top, inner.right, inner.bottom};
        bevels_.fill(button, face);
        bevels_.edge(button, e.dropped ? Edge::ButtonPressed : Edge::ButtonRaised);
        bevels_.arrow(e.dropped ? button.offset(1, 1) : button, Arrow::Down, e.enabled ? buttonText : grayText);
        textArea.right = button.left;
    }
    Rect field = textArea.inflate(-1);
    if (e.ownerDrawn) {
        // The owner draws the field and the entries; only the frame, the button and the
        // opened list's box are the combo box's own.
        if (e.dropped && !e.listRect.empty()) {
            bevels_.frame(e.listRect, frame);
            bevels_.fill(e.listRect.inflate(-1), window);
        }
        return;
    }
    // A check combo box shows the mark of the selected entry in its field too, so that the
    // closed box tells whether the entry shown is ticked.
    if (e.selected >= 0 && size_t(e.selected) < e.checkMarks.size()) {
        Rect box{field.left + 1, field.top + (field.height() - kCheckBoxSize) / 2, field.left + 1 + kCheckBoxSize, 0};
        box.bottom = box.top + kCheckBoxSize;
        bevels_.checkBox(box, *checkOf(size_t(e.selected)), e.enabled, true);
        field.left = box.right + 2;
    }
    bool highlighted = e.dropDownList && e.focused && e.enabled && !e.dropped;
    if (highlighted) bevels_.fill(field, selection);
    Rgb color = !e.enabled ? grayText : highlighted ? selectionText : windowText;
    text_.draw({{field.left + 2, field.top, field.right - 1, field.bottom},
                e.font,
                color,
                HAlign::Left,
                VAlign::Middle,
                false,
                true},
               e.text);
    if (highlighted) bevels_.dottedFrame(field, selectionText);

    if (e.simple || e.dropped) {
        Rect list = e.listRect;
        if (list.empty()) return;
        Rect listInner = list;
        if (e.simple) {
            listInner = bevels_.edge(list, Edge::Sunken);
        } else {
            bevels_.frame(list, frame);
            listInner = list.inflate(-1);
        }
        bevels_.fill(listInner, window);
        int rows = visibleRows(listInner.height(), itemHeight);
        if (int(entries.size()) > rows && listInner.width() > kScrollBarWidth) {
            bevels_.scrollBar({{listInner.right - kScrollBarWidth, listInner.top, listInner.right, listInner.bottom},
                               true,
                               int(entries.size()),
                               rows,
                               e.topIndex,
                               e.enabled});
            listInner.right -= kScrollBarWidth;
        }
        drawListRows(listInner, e.font, entries, e.topIndex, itemHeight, e.selected, e.enabled, e.dropped);
    }
}

void ScenePainter::operator()(const TabControl& e) {
    using namespace palette;
    if (e.rect.empty()) return;
    int tabHeight = TextPainter::lineHeight(e.font) + 6;
    Rect body{e.rect.left, e.rect.top + tabHeight, e.rect.right, e.rect.bottom};
    bevels_.fill(body, face);
    bevels_.hline(body.left, body.right - 1, body.top, highlight3d);
    bevels_.vline(body.left, body.top, body.bottom - 1, highlight3d);
    bevels_.hline(body.left, body.right, body.bottom - 1, darkShadow3d);
    bevels_.vline(body.right - 1, body.top, body.bottom, darkShadow3d);
    bevels_.hline(body.left + 1, body.right - 1, body.bottom - 2, shadow3d);
    bevels_.vline(body.right - 2, body.top + 1, body.bottom - 1, shadow3d);

    std::vector<Rect> tabs;
    int x = e.rect.left + 2;
    for (const std::string& label : e.tabs) {
        int width = int(std::ceil(text_.lineWidth(e.font, stripMnemonic(label)))) + 12;
        tabs.push_back({x, e.rect.top + 2, x + width, body.top});
        x += width;
    }
    auto drawTab = [&](Rect t, bool selected) {
        if (selected) t = {t.left - 2, t.top - 2, t.right + 2, t.bottom + 1};
        bevels_.fill(t, face);
        bevels_.vline(t.left, t.top + 2, t.bottom, highlight3d);
        bevels_.fill({t.left + 1, t.top + 1, t.left + 2, t.top + 2}, highlight3d);
        bevels_.hline(t.left + 2, t.right - 2, t.top, highlight3d);
        bevels_.vline(t.right - 2, t.top + 1, t.bottom, shadow3d);
        bevels_.vline(t.right - 1, t.top + 2, t.bottom, darkShadow3d);
        bevels_.fill({t.right - 2, t.top + 1, t.right - 1, t.top + 2}, darkShadow3d);
        return t;
    };
    cairo_save(cr_);
    cairo_rectangle(cr_, e.rect.left, e.rect.top, std::max(0, e.rect.width()), std::max(0, e.rect.height()));
    cairo_clip(cr_);
    for (size_t i = 0; i < tabs.size(); ++i) {
        if (int(i) == e.selected) continue;
        Rect t = drawTab(tabs[i], false);
        drawLabel({t.left + 4, t.top + 1, t.right - 4, t.bottom}, e.tabs[i], e.font, e.enabled, HAlign::Center,
                  VAlign::Middle, false);
    }
    if (e.selected >= 0 && e.selected < int(tabs.size())) {
        Rect t = drawTab(tabs[size_t(e.selected)], true);
        Rect label{t.left + 4, t.top + 1, t.right - 4, t.bottom - 2};
        Rect inked =
            drawLabel(label, e.tabs[size_t(e.selected)], e.font, e.enabled, HAlign::Center, VAlign::Middle, false);
        if (e.focused && !inked.empty()) bevels_.dottedFrame(inked.inflate(1), windowText);
    }
    cairo_restore(cr_);
}

void ScenePainter::operator()(const StaticText& e) {
    using namespace palette;
    if (e.rect.empty()) return;
    Rect area = e.rect;
    if (e.background) bevels_.fill(area, *e.background);
    if (e.sunken) {
        bevels_.twoTone(area, shadow3d, highlight3d);
        area = area.inflate(-1);
    }
    if (e.border) {
        bevels_.frame(area, frame);
        area = area.inflate(-1);
    }
    VAlign valign = e.centerVertically ? VAlign::Middle : VAlign::Top;
    if (e.color && e.enabled) {
        std::string shown = e.prefix ? stripMnemonic(e.text) : e.text;
        text_.draw({area, e.font, *e.color, e.align, valign, e.wrap, true}, shown);
        return;
    }
    drawLabel(area, e.text, e.font, e.enabled, e.align, valign, e.wrap, e.prefix);
}

}  // namespace render::detail
