// What a formula reads, and how its references follow rows and columns that are inserted,
// deleted or copied.  References hold absolute positions, so only the parts on the edited
// axis change; a relative reference stays relative because printing measures it from the
// cell that holds the formula.
#include <functional>
#include <optional>

#include "formula_nodes.h"
#include "sheet/formula/postfix_formula.h"
#include "sheet/formula/formula.h"

namespace sheet {

void normaliseRange(Node& first, Node& last) {
    uint8_t whole = first.flags & (kWholeColumns | kWholeRows);
    uint8_t f = first.flags & (kColAbsolute | kRowAbsolute);
    uint8_t l = last.flags & (kColAbsolute | kRowAbsolute);
    if (first.cell.col > last.cell.col) {
        std::swap(first.cell.col, last.cell.col);
        uint8_t fc = f & kColAbsolute, lc = l & kColAbsolute;
        f = static_cast<uint8_t>((f & ~kColAbsolute) | lc);
        l = static_cast<uint8_t>((l & ~kColAbsolute) | fc);
    }
    if (first.cell.row > last.cell.row) {
        std::swap(first.cell.row, last.cell.row);
        uint8_t fr = f & kRowAbsolute, lr = l & kRowAbsolute;
        f = static_cast<uint8_t>((f & ~kRowAbsolute) | lr);
        l = static_cast<uint8_t>((l & ~kRowAbsolute) | fr);
    }
    first.flags = f | whole;
    last.flags = l;
}

void collectReferences(const Formula& formula, std::vector<RangeRef>& out) {
    const auto& nodes = formula.nodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].kind == NodeKind::Cell) {
            out.push_back({nodes[i].cell, nodes[i].cell});
        } else if (nodes[i].kind == NodeKind::Range && i + 1 < nodes.size()) {
            out.push_back({nodes[i].cell, nodes[i + 1].cell});
            ++i;
        }
    }
}

namespace {

// Rewrites one coordinate of a single cell; nothing when the cell is gone.
using CellRule = std::function<std::optional<int32_t>(int32_t x, bool absolute)>;
// Rewrites the [lo, hi] extent of a range on the axis; nothing when no cell is left.
using SpanRule = std::function<bool(int32_t& lo, int32_t& hi, bool loAbsolute, bool hiAbsolute)>;

int32_t& axisOf(CellRef& c, bool rows) { return rows ? c.row : c.col; }

// Applies the rules to every reference on one axis and returns the formula, the same object
// when nothing changed.
std::shared_ptr<const Formula> rewrite(const Formula& formula, bool rows, const CellRule& cellRule,
                                       const SpanRule& spanRule) {
    const auto& nodes = formula.nodes();
    const uint8_t absFlag = rows ? kRowAbsolute : kColAbsolute;
    // A whole-column range spans every row, so row edits leave it as it is (and the same for
    // whole rows and column edits).
    const uint8_t spansAxis = rows ? kWholeColumns : kWholeRows;
    std::vector<Node> out;
    out.reserve(nodes.size());
    bool changed = false;
    Node refError;
    refError.kind = NodeKind::Error;
    refError.index = static_cast<uint32_t>(ErrorKind::Ref);
    for (size_t i = 0; i < nodes.size(); ++i) {
        Node n = nodes[i];
        if (n.kind == NodeKind::Cell) {
            int32_t x = axisOf(n.cell, rows);
            auto moved = cellRule(x, n.flags & absFlag);
            if (!moved) {
                out.push_back(refError);
                changed = true;
                continue;
            }
            if (*moved != x) {
                axisOf(n.cell, rows) = *moved;
                changed = true;
            }
            out.push_back(n);
        } else if (n.kind == NodeKind::Range && i + 1 < nodes.size()) {
            Node end = nodes[++i];
            if (!(n.flags & spansAxis)) {
                int32_t lo = axisOf(n.cell, rows), hi = axisOf(end.cell, rows);
                if (!spanRule(lo, hi, n.flags & absFlag, end.flags & absFlag)) {
                    out.push_back(refError);
                    changed = true;
                    continue;
                }
                if (lo != axisOf(n.cell, rows) || hi != axisOf(end.cell, rows)) {
                    axisOf(n.cell, rows) = lo;
                    axisOf(end.cell, rows) = hi;
                    normaliseRange(n, end);
                    changed = true;
                }
            }
            out.push_back(n);
            out.push_back(end);
        } else {
            out.push_back(n);
        }
    }
    if (!changed) {
        if (auto self = formula.weak_from_this().lock()) return self;
    }
    return std::make_shared<Formula>(std::move(out), formula.texts());
}

int32_t axisLimit(bool rows) { return rows ? kMaxRefRow : kMaxRefCol; }

}  // namespace

std::shared_ptr<const Formula> shiftForInsert(const Formula& formula, bool rows, int32_t at, int32_t count) {
    const int64_t limit = axisLimit(rows);
    auto cellRule = [&](int32_t x, bool) -> std::optional<int32_t> {
        if (count <= 0 || x < at) return x;
        int64_t moved = int64_t{x} + count;
        if (moved > limit) return std::nullopt;
        return static_cast<int32_t>(moved);
    };
    auto spanRule = [&](int32_t& lo, int32_t& hi, bool, bool) {
        if (count <= 0) return true;
        int64_t newLo = lo >= at ? int64_t{lo} + count : lo;
        int64_t newHi = hi >= at ? int64_t{hi} + count : hi;
        if (newLo > limit) return false;
        lo = static_cast<int32_t>(newLo);
        hi = static_cast<int32_t>(std::min(newHi, limit));  // cells pushed off the sheet are gone
        return true;
    };
    return rewrite(formula, rows, cellRule, spanRule);
}

std::shared_ptr<const Formula> shiftForDelete(const Formula& formula, bool rows, int32_t at, int32_t count) {
    const int64_t end = int64_t{at} + count - 1;  // last deleted index
    auto cellRule = [&](int32_t x, bool) -> std::optional<int32_t> {
        if (count <= 0 || x < at) return x;
        if (x <= end) return std::nullopt;
        return static_cast<int32_t>(x - count);
    };
    auto spanRule = [&](int32_t& lo, int32_t& hi, bool, bool) {
        if (count <= 0 || hi < at) return true;
        if (lo >= at && hi <= end) return false;
        int64_t newLo = lo < at ? lo : (lo <= end ? at : int64_t{lo} - count);
        int64_t newHi = hi <= end ? int64_t{at} - 1 : int64_t{hi} - count;
        lo = static_cast<int32_t>(newLo);
        hi = static_cast<int32_t>(newHi);
        return true;
    };
    return rewrite(formula, rows, cellRule, spanRule);
}

std::shared_ptr<const Formula> shiftForCopy(const Formula& formula, int32_t dCol, int32_t dRow) {
    std::shared_ptr<const Formula> result;
    for (bool rows : {false, true}) {
        const int32_t delta = rows ? dRow : dCol;
        const int64_t limit = axisLimit(rows);
        auto move = [&](int32_t x, bool absolute) -> std::optional<int32_t> {
            if (absolute || delta == 0) return x;
            int64_t moved = int64_t{x} + delta;
            if (moved < 1 || moved > limit) return std::nullopt;
            return static_cast<int32_t>(moved);
        };
        auto spanRule = [&](int32_t& lo, int32_t& hi, bool loAbs, bool hiAbs) {
            auto newLo = move(lo, loAbs), newHi = move(hi, hiAbs);
            if (!newLo || !newHi) return false;
            lo = *newLo;
            hi = *newHi;
            return true;
        };
        result = rewrite(result ? *result : formula, rows, move, spanRule);
    }
    return result;
}

}  // namespace sheet
