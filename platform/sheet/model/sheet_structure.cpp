// Structural edits: inserting and deleting rows and columns, copying and swapping blocks.
// Formulas are rewritten by the formula language's shift rules; the calculation records every
// dependency again afterwards (structural edits are rare next to cell edits).
#include <algorithm>
#include <memory>
#include <string>

#include "calc/calculation.h"
#include "model/cell_content.h"
#include "model/sheet_data.h"
#include "sheet/sheet.h"

namespace sheet {

namespace {

struct PlacedFormula {
    CellRef cell;
    std::shared_ptr<const Formula> formula;
};

// Takes every formula out of its group (cells keep their last values), so that cells can move
// freely; the caller puts them back where they land.
std::vector<PlacedFormula> detachFormulas(SheetData& d) {
    std::vector<PlacedFormula> out;
    d.cells.forEach([&](CellRef ref, Cell& cell) {
        if (!cell.formula) return;
        out.push_back({ref, d.formulas.formulaAt(cell.formula, ref)});
        cell.formula = 0;
    });
    d.formulas.clear();
    return out;
}

void attachFormula(SheetData& d, CellRef cell, std::shared_ptr<const Formula> f) {
    Cell& c = d.cells.at(cell);
    c.formula = d.formulas.add(std::move(f), cell);
}

int32_t& axis(CellRef& c, bool rows) { return rows ? c.row : c.col; }

// Moves, grows or shrinks spans on one axis; drops the ones that vanish.
void shiftSpans(SheetData& d, bool rows, int32_t at, int32_t count, bool insert) {
    std::vector<CellSpan> kept;
    for (CellSpan s : d.spans) {
        int32_t lo = axis(s.anchor, rows);
        int32_t& size = rows ? s.rows : s.cols;
        int32_t hi = lo + size - 1;
        if (insert) {
            if (lo >= at)
                lo += count, hi += count;
            else if (hi >= at)
                hi += count;
        } else {
            int32_t delLast = at + count - 1;
            auto mapKeep = [&](int32_t x) { return x > delLast ? x - count : x; };
            if (lo >= at && hi <= delLast) continue;
            int32_t newLo = lo >= at && lo <= delLast ? at : mapKeep(lo);
            int32_t newHi = hi >= at && hi <= delLast ? at - 1 : mapKeep(hi);
            lo = newLo;
            hi = newHi;
        }
        axis(s.anchor, rows) = lo;
        size = hi - lo + 1;
        kept.push_back(s);
    }
    d.spans = std::move(kept);
}

void afterStructure(Sheet& sheet, SheetData& d) {
    d.calc->rebuild();
    // Spans pushed off the sheet go; the rest are clipped.
    std::erase_if(d.spans, [&](const CellSpan& s) { return s.anchor.col > d.maxCols || s.anchor.row > d.maxRows; });
    for (CellSpan& s : d.spans) {
        s.cols = std::min(s.cols, d.maxCols - s.anchor.col + 1);
        s.rows = std::min(s.rows, d.maxRows - s.anchor.row + 1);
    }
    std::erase_if(d.spans, [](const CellSpan& s) { return int64_t{s.cols} * s.rows <= 1; });
    if (d.options.test(kOptAutoCalc)) sheet.recalc();
}

bool insertLines(Sheet& sheet, SheetData& d, bool rows, int32_t at, int32_t count) {
    int32_t limit = rows ? d.maxRows : d.maxCols;
    if (at < 1 || at > limit + 1 || count < 1 || count > (rows ? kMaxSheetRows : kMaxSheetCols)) return false;
    auto formulas = detachFormulas(d);
    if (rows)
        d.cells.insertRows(at, count);
    else
        d.cells.insertCols(at, count);
    // What was pushed beyond the sheet's size falls off.
    d.cells.forEach([&](CellRef ref, Cell& cell) {
        if (axis(ref, rows) > limit) releaseCell(d, cell);
    });
    if (rows)
        d.cells.truncateRows(limit + 1);
    else
        d.cells.truncateCols(limit + 1);
    for (PlacedFormula& p : formulas) {
        CellRef to = p.cell;
        if (axis(to, rows) >= at) axis(to, rows) += count;
        if (axis(to, rows) > limit) continue;
        attachFormula(d, to, shiftForInsert(*p.formula, rows, at, count));
    }
    auto& sizes = rows ? d.rowHeights : d.colWidths;
    if (sizes.size() > static_cast<size_t>(at)) {
        sizes.insert(sizes.begin() + at, count, -1);
        if (sizes.size() > static_cast<size_t>(limit) + 1) sizes.resize(limit + 1);
    }
    shiftSpans(d, rows, at, count, true);
    afterStructure(sheet, d);
    return true;
}

bool deleteLines(Sheet& sheet, SheetData& d, bool rows, int32_t at, int32_t count) {
    int32_t limit = rows ? d.maxRows : d.maxCols;
    if (at < 1 || at > limit || count < 1) return false;
    count = std::min(count, limit - at + 1);
    auto formulas = detachFormulas(d);
    d.cells.forEach([&](CellRef ref, Cell& cell) {
        int32_t x = axis(ref, rows);
        if (x >= at && x < at + count) releaseCell(d, cell);
    });
    if (rows)
        d.cells.deleteRows(at, count);
    else
        d.cells.deleteCols(at, count);
    for (PlacedFormula& p : formulas) {
        CellRef to = p.cell;
        int32_t x = axis(to, rows);
        if (x >= at && x < at + count) continue;
        if (x >= at + count) axis(to, rows) -= count;
        attachFormula(d, to, shiftForDelete(*p.formula, rows, at, count));
    }
    auto& sizes = rows ? d.rowHeights : d.colWidths;
    if (sizes.size() > static_cast<size_t>(at)) {
        size_t end = std::min(sizes.size(), static_cast<size_t>(at) + count);
        sizes.erase(sizes.begin() + at, sizes.begin() + end);
    }
    shiftSpans(d, rows, at, count, false);
    afterStructure(sheet, d);
    return true;
}

// One cell's content, look and tag, detached from its position.
struct CellCopy {
    CellRef offset;
    Value value;
    std::string typed, tag;
    uint32_t format = 0;
    std::shared_ptr<const Formula> formula;
};

std::vector<CellCopy> takeBlock(const SheetData& d, const RangeRef& r) {
    std::vector<CellCopy> out;
    for (int32_t col = r.first.col; col <= r.last.col; ++col) {
        for (int32_t row = r.first.row; row <= r.last.row; ++row) {
            const Cell* c = d.cells.find({col, row});
            if (!c || (!c->hasContent() && !c->tag && !c->format)) continue;
            CellCopy copy{{col - r.first.col, row - r.first.row},
                          c->value,
                          d.strings.get(c->text),
                          d.strings.get(c->tag),
                          c->format,
                          nullptr};
            if (c->formula) copy.formula = d.formulas.formulaAt(c->formula, {col, row});
            out.push_back(std::move(copy));
        }
    }
    return out;
}

std::vector<CellSpan> spansWithin(const SheetData& d, const RangeRef& r) {
    std::vector<CellSpan> out;
    for (const CellSpan& s : d.spans) {
        RangeRef sr = s.range();
        if (r.contains(sr.first) && r.contains(sr.last)) out.push_back(s);
    }
    return out;
}

void clearBlock(SheetData& d, const RangeRef& r) {
    for (int32_t col = r.first.col; col <= r.last.col; ++col) {
        for (int32_t row = r.first.row; row <= r.last.row; ++row) {
            Cell* c = d.cells.find({col, row});
            if (!c) continue;
            putConstant(d, {col, row}, Value());
            d.strings.release(c->tag);
            c->tag = 0;
            c->format = 0;
        }
    }
    std::erase_if(d.spans, [&](const CellSpan& s) { return r.contains(s.anchor); });
}

// Writes a taken block with its top left at `to`; formulas move as copies do.
void putBlock(Sheet& sheet, SheetData& d, const std::vector<CellCopy>& block, const std::vector<CellSpan>& spans,
              CellRef from, CellRef to) {
    int32_t dCol = to.col - from.col, dRow = to.row - from.row;
    for (const CellCopy& c : block) {
        CellRef at{to.col + c.offset.col, to.row + c.offset.row};
        if (c.formula) {
            putFormula(d, at, shiftForCopy(*c.formula, dCol, dRow));
        } else {
            putConstant(d, at, c.value, c.typed);
        }
        Cell& cell = d.cells.at(at);
        cell.format = c.format;
        cell.tag = d.strings.replace(cell.tag, c.tag);
    }
    for (CellSpan s : spans) sheet.addSpan({s.anchor.col + dCol, s.anchor.row + dRow}, s.cols, s.rows);
}

RangeRef blockAt(const RangeRef& r, CellRef to) {
    return {to, {to.col + r.last.col - r.first.col, to.row + r.last.row - r.first.row}};
}

}  // namespace

bool Sheet::insertRows(int32_t at, int32_t count) { return insertLines(*this, *d_, true, at, count); }
bool Sheet::deleteRows(int32_t at, int32_t count) { return deleteLines(*this, *d_, true, at, count); }
bool Sheet::insertCols(int32_t at, int32_t count) { return insertLines(*this, *d_, false, at, count); }
bool Sheet::deleteCols(int32_t at, int32_t count) { return deleteLines(*this, *d_, false, at, count); }

bool Sheet::copyRange(const RangeRef& from, CellRef to) {
    SheetData& d = *d_;
    RangeRef dest = blockAt(from, to);
    if (from.first.col > from.last.col || from.first.row > from.last.row || !inSheet(from.first) ||
        !inSheet(from.last) || !inSheet(dest.first) || !inSheet(dest.last))
        return false;
    if (from.first == to) return true;
    auto block = takeBlock(d, from);
    auto spans = spansWithin(d, from);
    clearBlock(d, dest);
    putBlock(*this, d, block, spans, from.first, to);
    if (d.options.test(kOptAutoCalc)) recalc();
    return true;
}

bool Sheet::swapRange(const RangeRef& from, CellRef with) {
    SheetData& d = *d_;
    RangeRef other = blockAt(from, with);
    if (from.first.col > from.last.col || from.first.row > from.last.row || !inSheet(from.first) ||
        !inSheet(from.last) || !inSheet(other.first) || !inSheet(other.last))
        return false;
    bool overlap = !(other.last.col < from.first.col || other.first.col > from.last.col ||
                     other.last.row < from.first.row || other.first.row > from.last.row);
    if (from.first == with) return true;
    if (overlap) return false;
    auto a = takeBlock(d, from);
    auto b = takeBlock(d, other);
    auto spansA = spansWithin(d, from);
    auto spansB = spansWithin(d, other);
    clearBlock(d, from);
    clearBlock(d, other);
    putBlock(*this, d, a, spansA, from.first, with);
    putBlock(*this, d, b, spansB, with, from.first);
    if (d.options.test(kOptAutoCalc)) recalc();
    return true;
}

}  // namespace sheet
