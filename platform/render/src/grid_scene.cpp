#include <algorithm>
#include <map>
#include <set>

#include "render/grid.h"
#include "text_painter.h"

namespace render {

namespace {

constexpr int kScrollBarWidth = 16;
constexpr int kComboButtonWidth = 16;
constexpr int kCellMargin = 2;

int defaultRowHeight(const GridView& g) {
    return g.defaultRowHeight > 0 ? g.defaultRowHeight : detail::TextPainter::lineHeight(g.font) + 5;
}

int colWidth(const GridView& g, int col) {
    if (col == 0) return g.showRowHeaders ? g.headerWidth : 0;
    auto it = g.colWidths.find(col);
    return it != g.colWidths.end() ? std::max(0, it->second) : g.defaultColWidth;
}

int rowHeight(const GridView& g, int row) {
    if (row == 0) return g.showColHeaders ? (g.headerHeight > 0 ? g.headerHeight : defaultRowHeight(g)) : 0;
    auto it = g.rowHeights.find(row);
    return it != g.rowHeights.end() ? std::max(0, it->second) : defaultRowHeight(g);
}

// Sum of sizes of indices 1..count without walking every row of a large sheet.
long long totalSize(const std::map<int, int>& overrides, int count, int standard) {
    long long total = (long long)count * standard;
    for (auto [index, size] : overrides)
        if (index >= 1 && index <= count) total += std::max(0, size) - standard;
    return total;
}

struct Layout {
    Rect cells;  // where data cells go (right of the row headers, below the column headers)
    bool vbar = false, hbar = false;
    GridOrigin origin;
};

Layout layoutOf(const GridView& g) {
    Layout l;
    int left = g.rect.left + colWidth(g, 0), top = g.rect.top + rowHeight(g, 0);
    long long width = totalSize(g.colWidths, g.cols, g.defaultColWidth);
    long long height = totalSize(g.rowHeights, g.rows, defaultRowHeight(g));
    for (int pass = 0; pass < 2 && g.scrollBars; ++pass) {
        l.hbar = width > g.rect.right - (l.vbar ? kScrollBarWidth : 0) - left;
        l.vbar = height > g.rect.bottom - (l.hbar ? kScrollBarWidth : 0) - top;
    }
    l.cells = {left, top, g.rect.right - (l.vbar ? kScrollBarWidth : 0),
               g.rect.bottom - (l.hbar ? kScrollBarWidth : 0)};
    return l;
}

// The first index to show so that index ends inside the available length: first itself
// when that already shows it, else the smallest start that does, never past index.
int scrollToShow(int first, int index, int available, const auto& sizeOf) {
    if (index < first) return index;
    int total = sizeOf(index), start = index;
    while (start > first && total + sizeOf(start - 1) <= available) total += sizeOf(--start);
    return start;
}

}  // namespace

std::string columnLabel(int col) {
    std::string label;
    for (int n = col; n > 0; n = (n - 1) / 26) label.insert(label.begin(), char('A' + (n - 1) % 26));
    return label;
}

GridOrigin visibleOrigin(const GridView& g) {
    Layout l = layoutOf(g);
    GridOrigin o{std::clamp(g.leftCol, 1, std::max(1, g.cols)), std::clamp(g.topRow, 1, std::max(1, g.rows))};
    if (g.activeCol >= 1 && g.activeCol <= g.cols)
        o.col = scrollToShow(o.col, g.activeCol, l.cells.width(), [&](int c) { return colWidth(g, c); });
    if (g.activeRow >= 1 && g.activeRow <= g.rows)
        o.row = scrollToShow(o.row, g.activeRow, l.cells.height(), [&](int r) { return rowHeight(g, r); });
    return o;
}

namespace {

class GridBuilder {
public:
    GridBuilder(Scene& scene, const GridView& g) : scene_(scene), g_(g), layout_(layoutOf(g)) {
        layout_.origin = visibleOrigin(g);
        for (const GridCell& cell : g.cells) cells_[{cell.col, cell.row}] = &cell;
    }

    void build() {
        scene_.add(PushClip{g_.rect});
        scene_.add(FillRect{g_.rect, g_.grayArea});
        lastCol_ = lastVisible(layout_.origin.col, g_.cols, layout_.cells.left, layout_.cells.right, true);
        lastRow_ = lastVisible(layout_.origin.row, g_.rows, layout_.cells.top, layout_.cells.bottom, false);
        scene_.add(PushClip{layout_.cells});
        forEachUnit(layout_.origin.col, lastCol_, layout_.origin.row, lastRow_,
                    [&](int c, int r, Rect rect) { drawDataCell(c, r, rect); });
        drawActiveCell();
        scene_.add(PopClip{});
        drawHeaders();
        drawScrollBars();
        scene_.add(PopClip{});
    }

private:
    int lastVisible(int first, int count, int start, int limit, bool columns) {
        int pos = start, last = first - 1;
        for (int i = first; i <= count && pos < limit; ++i) {
            pos += columns ? colWidth(g_, i) : rowHeight(g_, i);
            last = i;
        }
        return last;
    }

    int colX(int col) const {
        int x = layout_.cells.left;
        if (col == 0) return g_.rect.left;
        for (int c = layout_.origin.col; c < col; ++c) x += colWidth(g_, c);
        for (int c = col; c < layout_.origin.col; ++c) x -= colWidth(g_, c);
        return x;
    }
    int rowY(int row) const {
        int y = layout_.cells.top;
        if (row == 0) return g_.rect.top;
        for (int r = layout_.origin.row; r < row; ++r) y += rowHeight(g_, r);
        for (int r = row; r < layout_.origin.row; ++r) y -= rowHeight(g_, r);
        return y;
    }

    const GridSpan* spanAt(int col, int row) const {
        for (const GridSpan& s : g_.spans)
            if (col >= s.col && col < s.col + s.cols && row >= s.row && row < s.row + s.rows) return &s;
        return nullptr;
    }

    // The rectangle of the cell or of the span it anchors.
    Rect unitRect(int col, int row, int cols, int rows) const {
        int x = colX(col), y = rowY(row), w = 0, h = 0;
        for (int c = col; c < col + cols; ++c) w += colWidth(g_, c);
        for (int r = row; r < row + rows; ++r) h += rowHeight(g_, r);
        return {x, y, x + w, y + h};
    }

    // Visits each visible cell once; a span is visited once, at its anchor, even when the
    // anchor itself is scrolled out of view.
    template <class Visit>
    void forEachUnit(int col1, int col2, int row1, int row2, Visit visit) {
        std::set<const GridSpan*> done;
        for (int r = row1; r <= row2; ++r)
            for (int c = col1; c <= col2; ++c) {
                const GridSpan* s = spanAt(c, r);
                if (!s) {
                    visit(c, r, unitRect(c, r, 1, 1));
                } else if (done.insert(s).second) {
                    visit(s->col, s->row, unitRect(s->col, s->row, s->cols, s->rows));
                }
            }
    }

    const GridCell* cellAt(int col, int row) const {
        auto it = cells_.find({col, row});
        return it == cells_.end() ? nullptr : it->second;
    }

    bool inSelection(int col, int row) const {
        if (g_.selCol1 <= 0 || g_.selRow1 <= 0) return false;
        int c1 = std::min(g_.selCol1, g_.selCol2), c2 = std::max(g_.selCol1, g_.selCol2);
        int r1 = std::min(g_.selRow1, g_.selRow2), r2 = std::max(g_.selRow1, g_.selRow2);
        return col >= c1 && col <= c2 && row >= r1 && row <= r2 && !(col == g_.activeCol && row == g_.activeRow);
    }

    void drawDataCell(int col, int row, Rect rect) {
        const GridCell* cell = cellAt(col, row);
        bool selected = inSelection(col, row);
        bool lockLook = cell && cell->locked && g_.protect;
        Rgb back = g_.background, fore = palette::windowText;
        if (cell && cell->background) back = *cell->background;
        if (cell && cell->foreground) fore = *cell->foreground;
        if (lockLook && g_.lockBackground) back = *g_.lockBackground;
        if (lockLook && g_.lockForeground) fore = *g_.lockForeground;
        if (selected) {
            back = g_.selectionBackground;
            fore = g_.selectionText;
        }
        scene_.add(FillRect{rect, back});
        if (g_.gridLines) {
            scene_.add(Line{rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, g_.gridColor});
            scene_.add(Line{rect.right - 1, rect.top, rect.right - 1, rect.bottom, g_.gridColor});
        }
        if (cell) drawContent(*cell, {rect.left, rect.top, rect.right - 1, rect.bottom - 1}, fore);
        if (cell) drawBorders(*cell, rect);
    }

    void drawContent(const GridCell& cell, Rect inner, Rgb fore) {
        Font font = cell.font.value_or(g_.font);
        Rect textRect{inner.left + kCellMargin, inner.top, inner.right - kCellMargin, inner.bottom};
        switch (cell.kind) {
        case GridCellKind::Text:
            scene_.add(Text{textRect, cell.text, font, fore, std::nullopt, cell.align, cell.valign, cell.wrap, true});
            break;
        case GridCellKind::ComboBox: {
            Rect button{std::max(inner.left, inner.right - kComboButtonWidth), inner.top, inner.right, inner.bottom};
            textRect.right = button.left - 1;
            scene_.add(Text{textRect, cell.text, font, fore, std::nullopt, cell.align, cell.valign, false, true});
            scene_.add(DropButton{button, !cell.locked});
            break;
        }
        case GridCellKind::Button: {
            PushButton b;
            b.rect = inner;
            b.text = cell.text;
            b.font = font;
            scene_.add(std::move(b));
            break;
        }
        case GridCellKind::CheckBox:
            drawCheck(cell, inner);
            if (!cell.label.empty()) {
                Rect labelRect{inner.left + kCellMargin + 16, inner.top, inner.right - kCellMargin, inner.bottom};
                scene_.add(
                    Text{labelRect, cell.label, font, fore, std::nullopt, HAlign::Left, cell.valign, false, true});
            }
            break;
        case GridCellKind::Picture:
            if (cell.picture) placePicture(*cell.picture, inner, cell.align, cell.stretchPicture);
            break;
        }
    }

    void drawCheck(const GridCell& cell, Rect inner) {
        bool checked = !cell.text.empty() && cell.text != "0";
        const std::optional<Image>& picture = checked ? cell.checkedPicture : cell.uncheckedPicture;
        if (picture && !picture->empty()) {
            placePicture(*picture, inner, cell.align, false);
            return;
        }
        CheckBox box;
        int x = inner.left + (inner.width() - 13) / 2;
        if (cell.align == HAlign::Left) x = inner.left + kCellMargin;
        if (cell.align == HAlign::Right) x = inner.right - kCellMargin - 13;
        box.rect = {x, inner.top, x + 13, inner.bottom};
        box.state = checked ? CheckState::Checked : CheckState::Unchecked;
        box.enabled = !cell.locked || !g_.protect;
        scene_.add(std::move(box));
    }

    // A picture keeps its size when it fits and shrinks with its proportions when it does not.
    void placePicture(const Image& image, Rect inner, HAlign align, bool stretch) {
        Picture p;
        p.image = image;
        if (stretch) {
            p.rect = inner;
        } else {
            double scale = std::min({1.0, double(inner.width()) / image.width, double(inner.height()) / image.height});
            int w = std::max(1, int(image.width * scale)), h = std::max(1, int(image.height * scale));
            int x = inner.left + (inner.width() - w) / 2;
            if (align == HAlign::Left) x = inner.left + kCellMargin;
            if (align == HAlign::Right) x = inner.right - kCellMargin - w;
            int y = inner.top + (inner.height() - h) / 2;
            p.rect = {x, y, x + w, y + h};
        }
        scene_.add(PushClip{inner});
        scene_.add(std::move(p));
        scene_.add(PopClip{});
    }

    void drawBorders(const GridCell& cell, Rect r) {
        auto side = [&](const GridBorder& b, int x1, int y1, int x2, int y2) {
            if (b.present) scene_.add(Line{x1, y1, x2, y2, b.color, 1, b.dotted});
        };
        side(cell.left, r.left, r.top, r.left, r.bottom);
        side(cell.top, r.left, r.top, r.right, r.top);
        side(cell.right, r.right - 1, r.top, r.right - 1, r.bottom);
        side(cell.bottom, r.left, r.bottom - 1, r.right, r.bottom - 1);
    }

    void drawActiveCell() {
        if (!g_.showActive || g_.activeCol < 1 || g_.activeRow < 1 || g_.activeCol > g_.cols || g_.activeRow > g_.rows)
            return;
        const GridSpan* s = spanAt(g_.activeCol, g_.activeRow);
        Rect r = s ? unitRect(s->col, s->row, s->cols, s->rows) : unitRect(g_.activeCol, g_.activeRow, 1, 1);
        scene_.add(FrameRect{{r.left - 1, r.top - 1, r.right, r.bottom}, palette::windowText, 2});
    }

    void drawHeaderCell(int col, int row, Rect rect, const std::string& fallback) {
        const GridCell* cell = cellAt(col, row);
        scene_.add(FillRect{rect, palette::face});
        scene_.add(StaticFrame{rect, FrameKind::Raised, false});
        scene_.add(Line{rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, palette::darkShadow3d});
        scene_.add(Line{rect.right - 1, rect.top, rect.right - 1, rect.bottom, palette::darkShadow3d});
        Font font = cell && cell->font ? *cell->font : g_.font;
        Rgb fore = cell && cell->foreground ? *cell->foreground : palette::buttonText;
        std::string text = cell ? cell->text : fallback;
        Rect textRect{rect.left + kCellMargin, rect.top, rect.right - kCellMargin - 1, rect.bottom - 1};
        scene_.add(
            Text{textRect, text, font, fore, std::nullopt, HAlign::Center, VAlign::Middle, cell && cell->wrap, true});
    }

    void drawHeaders() {
        if (g_.showColHeaders) {
            scene_.add(PushClip{{layout_.cells.left, g_.rect.top, layout_.cells.right, layout_.cells.top}});
            forEachUnit(layout_.origin.col, lastCol_, 0, 0,
                        [&](int c, int r, Rect rect) { drawHeaderCell(c, r, rect, columnLabel(c)); });
            scene_.add(PopClip{});
        }
        if (g_.showRowHeaders) {
            scene_.add(PushClip{{g_.rect.left, layout_.cells.top, layout_.cells.left, layout_.cells.bottom}});
            for (int r = layout_.origin.row; r <= lastRow_; ++r)
                drawHeaderCell(0, r, unitRect(0, r, 1, 1), std::to_string(r));
            scene_.add(PopClip{});
        }
        if (g_.showColHeaders && g_.showRowHeaders) drawHeaderCell(0, 0, unitRect(0, 0, 1, 1), "");
    }

    void drawScrollBars() {
        int visibleCols = std::max(1, lastCol_ - layout_.origin.col + 1);
        int visibleRows = std::max(1, lastRow_ - layout_.origin.row + 1);
        if (layout_.vbar)
            scene_.add(ScrollBar{{layout_.cells.right, g_.rect.top, g_.rect.right, layout_.cells.bottom},
                                 true,
                                 g_.rows,
                                 visibleRows,
                                 layout_.origin.row - 1,
                                 true});
        if (layout_.hbar)
            scene_.add(ScrollBar{{g_.rect.left, layout_.cells.bottom, layout_.cells.right, g_.rect.bottom},
                                 false,
                                 g_.cols,
                                 visibleCols,
                                 layout_.origin.col - 1,
                                 true});
        if (layout_.vbar && layout_.hbar)
            scene_.add(
                FillRect{{layout_.cells.right, layout_.cells.bottom, g_.rect.right, g_.rect.bottom}, palette::face});
    }

    Scene& scene_;
    const GridView& g_;
    Layout layout_;
    std::map<std::pair<int, int>, const GridCell*> cells_;
    int lastCol_ = 0, lastRow_ = 0;
};

}  // namespace

void addGrid(Scene& scene, const GridView& grid) {
    if (grid.rect.empty()) return;
    GridBuilder(scene, grid).build();
}

}  // namespace render
