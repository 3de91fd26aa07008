// VLOOKUP, MATCH and INDEX.  Exact look-ups go through EvalContext::findExact so that the
// model can answer them from a column index instead of a scan; sorted look-ups are binary
// searches over the cells, read one at a time.
#include <algorithm>
#include <cmath>

#include "area_operands.h"
#include "function_support.h"
#include "wildcard.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

// A whole-number argument (truncated; a range or array by implicit intersection); false with `error` set otherwise.
bool integerArg(const Operand& a, const EvalContext& ctx, double& out, Value& error) {
    if (!toNumber(scalarOf(a, ctx), out, error)) return false;
    out = std::trunc(out);
    return true;
}

// Rows of the range that lie on the sheet.
int32_t usableRows(const RangeRef& r, const EvalContext& ctx) {
    return std::max(0, std::min(r.last.row, ctx.maxRows()) - r.first.row + 1);
}
int32_t usableCols(const RangeRef& r, const EvalContext& ctx) {
    return std::max(0, std::min(r.last.col, ctx.maxCols()) - r.first.col + 1);
}

// Position (0-based) of the last entry <= key in an ascending list (descending: the last
// entry >= key in a descending list); -1 when there is none.  Blanks and entries of another
// type than the key are not part of the sorted list and are stepped over, so keys 1,3,_,7 with
// a gap still find 3 for 4.
template <class At>
int32_t sortedSearch(int32_t count, const Value& key, bool descending, At&& at) {
    auto fits = [&](const Value& v) {
        int c = compareValues(v, key);
        return descending ? c >= 0 : c <= 0;
    };
    int32_t lo = 0, hi = count - 1, found = -1;
    while (lo <= hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        Value v;
        int32_t j = mid;
        for (; j >= lo; --j)
            if ((v = at(j)).type() == key.type()) break;
        if (j >= lo) {
            if (fits(v)) {
                found = j;
                lo = mid + 1;
            } else {
                hi = j - 1;
            }
            continue;
        }
        // Nothing comparable from lo to mid: the nearest entry above decides.
        for (j = mid + 1; j <= hi; ++j)
            if ((v = at(j)).type() == key.type()) break;
        if (j > hi || !fits(v)) break;
        found = j;
        lo = j + 1;
    }
    return found;
}

// The first of `count` entries equal to the key; a text key with wildcards matches as a
// pattern.  `indexed` answers a plain key from the model's index when the entries are a column.
template <class At, class Indexed>
int32_t exactSearch(int32_t count, const Value& key, At&& at, Indexed&& indexed) {
    if (key.isText() && hasWildcards(key.asText())) {
        for (int32_t i = 0; i < count; ++i) {
            Value v = at(i);
            if (v.isText() && wildcardMatch(key.asText(), v.asText())) return i;
        }
        return -1;
    }
    return indexed();
}

// VLOOKUP searches the table's first column and answers from the column asked for; HLOOKUP
// (`across`) searches its first row and answers from the row asked for.
Value tableLookup(Args args, EvalContext& ctx, bool across) {
    Value key = scalarOf(args[0], ctx);
    if (key.isError()) return key;
    if (key.isEmpty()) return Value::error(ErrorKind::NA);
    if (!args[1].isRef) return Value::error(ErrorKind::Value);
    const RangeRef table = args[1].ref;
    Value error;
    double offset = 0;
    if (!integerArg(args[2], ctx, offset, error)) return error;
    if (offset < 1) return Value::error(ErrorKind::Value);
    if (offset > (across ? table.rows() : table.cols())) return Value::error(ErrorKind::Ref);
    bool sorted = true;
    if (args.size() > 3 && !toBool(scalarOf(args[3], ctx), sorted, error)) return error;

    const int32_t count = across ? usableCols(table, ctx) : usableRows(table, ctx);
    auto cellAt = [&](int32_t along, int32_t beside) {
        return across ? CellRef{table.first.col + along, table.first.row + beside}
                      : CellRef{table.first.col + beside, table.first.row + along};
    };
    auto at = [&](int32_t i) { return ctx.cellValue(cellAt(i, 0)); };
    int32_t found = -1;
    if (!sorted) {
        found = exactSearch(count, key, at, [&] {
            if (!across) return ctx.findExact(table, 0, key);
            for (int32_t i = 0; i < count; ++i)
                if (lookupEqual(at(i), key)) return i;
            return int32_t{-1};
        });
    } else {
        found = sortedSearch(count, key, false, at);
    }
    if (found < 0) return Value::error(ErrorKind::NA);
    return ctx.cellValue(cellAt(found, static_cast<int32_t>(offset) - 1));
}

Value vlookupFn(Args args, EvalContext& ctx) { return tableLookup(args, ctx, false); }
Value hlookupFn(Args args, EvalContext& ctx) { return tableLookup(args, ctx, true); }

// LOOKUP(key, vector [, results]): a sorted search of a row or column, the result from the
// same position of `results` (or of the vector).  A table without results is searched along
// its first column when at least as tall as wide (its first row otherwise) and answered from
// its last column (row).
Value lookupFn(Args args, EvalContext& ctx) {
    Value key = scalarOf(args[0], ctx);
    if (key.isError()) return key;
    if (key.isEmpty()) return Value::error(ErrorKind::NA);
    if (!args[1].isRef || (args.size() > 2 && !args[2].isRef)) return Value::error(ErrorKind::Value);
    const RangeRef v = args[1].ref;
    const bool down = v.rows() >= v.cols();
    const int32_t count = down ? usableRows(v, ctx) : usableCols(v, ctx);
    int32_t found = sortedSearch(count, key, false, [&](int32_t i) {
        return ctx.cellValue(down ? CellRef{v.first.col, v.first.row + i} : CellRef{v.first.col + i, v.first.row});
    });
    if (found < 0) return Value::error(ErrorKind::NA);
    if (args.size() > 2) {
        const RangeRef r = args[2].ref;
        const bool rDown = r.rows() >= r.cols();
        return ctx.cellValue(rDown ? CellRef{r.first.col, r.first.row + found}
                                   : CellRef{r.first.col + found, r.first.row});
    }
    return ctx.cellValue(down ? CellRef{v.last.col, v.first.row + found} : CellRef{v.first.col + found, v.last.row});
}

Value matchFn(Args args, EvalContext& ctx) {
    Value key = scalarOf(args[0], ctx);
    if (key.isError()) return key;
    if (key.isEmpty() || !args[1].isRef) return Value::error(ErrorKind::NA);
    const RangeRef range = args[1].ref;
    const bool vertical = range.cols() == 1;
    if (!vertical && range.rows() != 1) return Value::error(ErrorKind::NA);
    double type = 1;
    Value error;
    if (args.size() > 2 && !args[2].value.isEmpty() && !integerArg(args[2], ctx, type, error)) return error;

    const int32_t count = vertical ? usableRows(range, ctx) : usableCols(range, ctx);
    auto at = [&](int32_t i) {
        return ctx.cellValue(vertical ? CellRef{range.first.col, range.first.row + i}
                                      : CellRef{range.first.col + i, range.first.row});
    };
    int32_t found = -1;
    if (type == 0) {
        found = exactSearch(count, key, at, [&] {
            if (vertical) return ctx.findExact(range, 0, key);
            for (int32_t i = 0; i < count; ++i)
                if (lookupEqual(at(i), key)) return i;
            return -1;
        });
    } else {
        found = sortedSearch(count, key, type < 0, at);
    }
    if (found < 0) return Value::error(ErrorKind::NA);
    return Value::number(found + 1);
}

// The cell, row or column of a range; a reference, so COUNT(INDEX(A1:A3,3)) sees the cell.
Operand indexFn(Args args, EvalContext& ctx) {
    Value error;
    double row = 0, col = 0;
    bool hasCol = args.size() > 2 && !args[2].value.isEmpty();
    if (args[0].value.isError()) return valueOperand(args[0].value);
    if (!integerArg(args[1], ctx, row, error)) return valueOperand(error);
    if (hasCol && !integerArg(args[2], ctx, col, error)) return valueOperand(error);
    if (row < 0 || col < 0) return valueOperand(Value::error(ErrorKind::Value));
    // Only references are tables; a typed value is not.
    if (!args[0].isRef) return valueOperand(Value::error(ErrorKind::Ref));
    RangeRef range = args[0].ref;
    // The fourth argument picks a range of a union such as (A1:A2,C1:C2).
    double area = 1;
    if (args.size() > 3 && !args[3].value.isEmpty() && !integerArg(args[3], ctx, area, error))
        return valueOperand(error);
    if (const std::vector<RangeRef>* ranges = unionRanges(args[0], ctx)) {
        if (area < 1 || area > static_cast<double>(ranges->size())) return valueOperand(Value::error(ErrorKind::Ref));
        range = (*ranges)[static_cast<size_t>(area) - 1];
    } else if (area != 1) {
        return valueOperand(Value::error(ErrorKind::Ref));
    }
    // In a single row, the one index given counts columns.
    if (!hasCol && range.rows() == 1 && range.cols() > 1) std::swap(row, col);
    if (row > range.rows() || col > range.cols()) return valueOperand(Value::error(ErrorKind::Ref));
    // Index 0 stands for the whole row or column.
    if (row > 0) range.first.row = range.last.row = range.first.row + static_cast<int32_t>(row) - 1;
    if (col > 0) range.first.col = range.last.col = range.first.col + static_cast<int32_t>(col) - 1;
    return referenceOperand(ctx, range);
}

}  // namespace

void registerLookupFunctions(FunctionRegistry& r) {
    r.add({"VLOOKUP", 3, 4, vlookupFn});
    r.add({"MATCH", 2, 3, matchFn});
    r.add({"HLOOKUP", 3, 4, hlookupFn});
    r.add({"LOOKUP", 2, 3, lookupFn});
    r.add(referenceFunction("INDEX", 2, 4, indexFn));
}

}  // namespace sheet
