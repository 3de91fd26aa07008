// The sheet's looks: cell types, locks, fonts, colours, borders, spans and sizes.
#include <algorithm>
#include <functional>
#include <map>

#include "model/sheet_data.h"
#include "sheet/sheet.h"

namespace sheet {

namespace {

bool validRange(const SheetData& d, const RangeRef& r) {
    return r.first.col <= r.last.col && r.first.row <= r.last.row && d.inside(r.first) && d.inside(r.last);
}

// Applies `change` to the look of every cell in range.  Cells that share a look share the
// result, so a range of a million cells interns one new look, not a million.
bool changeFormats(SheetData& d, const RangeRef& range, const std::function<void(CellFormat&)>& change) {
    if (!validRange(d, range)) return false;
    uint32_t lastFrom = UINT32_MAX, lastTo = 0;
    for (int32_t col = range.first.col; col <= range.last.col; ++col) {
        for (int32_t row = range.first.row; row <= range.last.row; ++row) {
            Cell& cell = d.cells.at({col, row});
            if (cell.format != lastFrom) {
                CellFormat f = d.formats.get(cell.format);
                change(f);
                lastFrom = cell.format;
                lastTo = d.formats.intern(f);
            }
            cell.format = lastTo;
        }
    }
    return true;
}

}  // namespace

const CellFormat& Sheet::format(CellRef cell) const {
    const Cell* c = inSheet(cell) ? d_->cells.find(cell) : nullptr;
    return d_->formats.get(c ? c->format : 0);
}

size_t Sheet::formatCount() const { return d_->formats.size(); }

const CellFormat& Sheet::formatById(uint32_t id) const { return d_->formats.get(id < d_->formats.size() ? id : 0); }

uint32_t Sheet::addFormat(const CellFormat& format) { return d_->formats.intern(format); }

bool Sheet::setFormatId(CellRef cell, uint32_t id) {
    if (!d_->inside(cell) || id >= d_->formats.size()) return false;
    Cell* c = d_->cells.find(cell);
    if (!c && id == 0) return true;
    (c ? *c : d_->cells.at(cell)).format = id;
    return true;
}

bool Sheet::setCellType(const RangeRef& range, const CellTypeRecord& type) {
    if (!isKnownCellKind(static_cast<int>(type.kind)) || type.text.size() > kMaxTextLength) return false;
    return changeFormats(*d_, range, [&](CellFormat& f) { f.type = type; });
}

bool Sheet::setLocked(const RangeRef& range, bool locked) {
    return changeFormats(*d_, range, [&](CellFormat& f) { f.locked = locked; });
}

bool Sheet::setFont(const RangeRef& range, const CellFont& font) {
    if (font.face.size() > 255) return false;
    return changeFormats(*d_, range, [&](CellFormat& f) { f.font = font; });
}

bool Sheet::setColors(const RangeRef& range, uint32_t back, uint32_t fore) {
    return changeFormats(*d_, range, [&](CellFormat& f) {
        f.backColor = back;
        f.foreColor = fore;
    });
}

bool Sheet::setBorder(const RangeRef& range, uint32_t sides, int16_t style, uint32_t color) {
    if (sides & kBorderOutline) sides |= kBorderLeft | kBorderRight | kBorderTop | kBorderBottom;
    return changeFormats(*d_, range, [&](CellFormat& f) {
        for (int i = 0; i < 4; ++i)
            if (sides & (1u << i)) f.border[i] = {style, color};
    });
}

// --- spans ---------------------------------------------------------------------------------

bool Sheet::addSpan(CellRef anchor, int32_t cols, int32_t rows) {
    SheetData& d = *d_;
    if (cols < 1 || rows < 1 || !inSheet(anchor)) return false;
    CellSpan span{anchor, cols, rows};
    RangeRef r = span.range();
    if (!inSheet(r.last) || d.spans.size() >= kMaxSpans) return false;
    // A span replaces the ones it overlaps, as a person who merges cells again expects.
    std::erase_if(d.spans, [&](const CellSpan& s) {
        RangeRef o = s.range();
        return !(o.last.col < r.first.col || o.first.col > r.last.col || o.last.row < r.first.row ||
                 o.first.row > r.last.row);
    });
    if (cols * int64_t{rows} > 1) d.spans.push_back(span);
    return true;
}

bool Sheet::removeSpan(CellRef anchor) {
    auto& spans = d_->spans;
    auto it = std::find_if(spans.begin(), spans.end(), [&](const CellSpan& s) { return s.anchor == anchor; });
    if (it == spans.end()) return false;
    spans.erase(it);
    return true;
}

namespace {

// Whether any two spans overlap: a sweep down the rows keeping the column intervals of the
// spans that reach the current row.  Sorts `spans` by first row.
bool spansOverlap(std::vector<CellSpan>& spans) {
    std::sort(spans.begin(), spans.end(),
              [](const CellSpan& a, const CellSpan& b) { return a.anchor.row < b.anchor.row; });
    std::multimap<int32_t, std::pair<int32_t, int32_t>> byLastRow;  // last row -> (first, last col)
    std::map<int32_t, int32_t> open;                                // first col -> last col
    for (const CellSpan& s : spans) {
        RangeRef r = s.range();
        while (!byLastRow.empty() && byLastRow.begin()->first < r.first.row) {
            open.erase(byLastRow.begin()->second.first);
            byLastRow.erase(byLastRow.begin());
        }
        auto next = open.lower_bound(r.first.col);
        if (next != open.end() && next->first <= r.last.col) return true;
        if (next != open.begin() && std::prev(next)->second >= r.first.col) return true;
        open.emplace(r.first.col, r.last.col);
        byLastRow.emplace(r.last.row, std::make_pair(r.first.col, r.last.col));
    }
    return false;
}

}  // namespace

bool Sheet::setSpans(std::vector<CellSpan> spans) {
    for (const CellSpan& s : spans)
        if (s.cols < 1 || s.rows < 1 || !d_->inside(s.anchor) || !d_->inside(s.range().last)) return false;
    std::erase_if(spans, [](const CellSpan& s) { return s.cols * int64_t{s.rows} <= 1; });
    if (spans.size() > kMaxSpans || spansOverlap(spans)) return false;
    d_->spans = std::move(spans);
    return true;
}

std::optional<CellSpan> Sheet::spanAt(CellRef cell) const {
    for (const CellSpan& s : d_->spans)
        if (s.range().contains(cell)) return s;
    return std::nullopt;
}

const std::vector<CellSpan>& Sheet::spans() const { return d_->spans; }

// --- sizes ---------------------------------------------------------------------------------

int32_t Sheet::colWidth(int32_t col) const {
    const auto& w = d_->colWidths;
    if (col >= 0 && static_cast<size_t>(col) < w.size() && w[col] >= 0) return w[col];
    return d_->settings.defaultColWidth;
}

int32_t Sheet::rowHeight(int32_t row) const {
    const auto& h = d_->rowHeights;
    if (row >= 0 && static_cast<size_t>(row) < h.size() && h[row] >= 0) return h[row];
    return d_->settings.defaultRowHeight;
}

bool Sheet::setColWidth(int32_t col, int32_t pixels) {
    if (col < 0 || col > d_->maxCols || pixels > kMaxPixelSize) return false;
    auto& w = d_->colWidths;
    if (w.size() <= static_cast<size_t>(col)) w.resize(col + 1, -1);
    w[col] = pixels < 0 ? -1 : pixels;
    return true;
}

bool Sheet::setRowHeight(int32_t row, int32_t pixels) {
    if (row < 0 || row > d_->maxRows || pixels > kMaxPixelSize) return false;
    auto& h = d_->rowHeights;
    if (h.size() <= static_cast<size_t>(row)) h.resize(row + 1, -1);
    h[row] = pixels < 0 ? -1 : pixels;
    return true;
}

namespace {
std::vector<std::pair<int32_t, int32_t>> sizesSet(const std::vector<int32_t>& sizes) {
    std::vector<std::pair<int32_t, int32_t>> out;
    for (size_t i = 0; i < sizes.size(); ++i)
        if (sizes[i] >= 0) out.emplace_back(static_cast<int32_t>(i), sizes[i]);
    return out;
}
}  // namespace

std::vector<std::pair<int32_t, int32_t>> Sheet::colWidthsSet() const { return sizesSet(d_->colWidths); }

std::vector<std::pair<int32_t, int32_t>> Sheet::rowHeightsSet() const { return sizesSet(d_->rowHeights); }

}  // namespace sheet
