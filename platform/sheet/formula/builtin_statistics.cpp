// Counting and summing under criteria, products, order statistics and spread.
#include <algorithm>
#include <cmath>
#include <vector>

#include "criteria.h"
#include "function_support.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

// A range argument's cells clipped to the sheet; a typed value is no range.
bool rangeArg(const Operand& a, const EvalContext& ctx, RangeRef& out) {
    if (!a.isRef) return false;
    out = a.ref;
    out.last.row = std::min(out.last.row, ctx.maxRows());
    out.last.col = std::min(out.last.col, ctx.maxCols());
    return true;
}

// Calls take(rowOffset, colOffset) for every position of `first` where every (range,
// criterion) pair matches at that offset.  Stored cells of the first range are walked
// sparsely unless its criterion also matches an empty cell.
template <class Take>
void forEachMatch(const std::vector<RangeRef>& ranges, const std::vector<Criterion>& criteria, const EvalContext& ctx,
                  Take&& take) {
    const RangeRef& first = ranges[0];
    auto othersMatch = [&](int32_t dr, int32_t dc) {
        for (size_t k = 1; k < ranges.size(); ++k)
            if (!criteria[k].matches(ctx.cellValue({ranges[k].first.col + dc, ranges[k].first.row + dr}))) return false;
        return true;
    };
    if (criteria[0].matches(Value())) {
        for (int32_t row = first.first.row; row <= first.last.row; ++row)
            for (int32_t col = first.first.col; col <= first.last.col; ++col) {
                int32_t dr = row - first.first.row, dc = col - first.first.col;
                if (criteria[0].matches(ctx.cellValue({col, row})) && othersMatch(dr, dc)) take(dr, dc);
            }
        return;
    }
    forEachCell(ctx, first, [&](CellRef c, const Value& v) {
        int32_t dr = c.row - first.first.row, dc = c.col - first.first.col;
        if (criteria[0].matches(v) && othersMatch(dr, dc)) take(dr, dc);
        return true;
    });
}

// Sums (or counts) over pairs (range, criterion) starting at args[pairStart]; `sumRange` is
// where the numbers come from (null to count).  `average` divides.
Value conditional(Args args, size_t pairStart, const Operand* sumRange, bool average, EvalContext& ctx) {
    std::vector<RangeRef> ranges;
    std::vector<Criterion> criteria;
    for (size_t k = pairStart; k + 1 < args.size(); k += 2) {
        RangeRef r;
        if (!rangeArg(args[k], ctx, r)) return Value::error(ErrorKind::Value);
        if (!ranges.empty() && (r.rows() != ranges[0].rows() || r.cols() != ranges[0].cols()))
            return Value::error(ErrorKind::Value);
        Value c = implicitIntersection(args[k + 1], ctx).value;
        if (c.isError()) return c;
        ranges.push_back(r);
        criteria.emplace_back(c);
    }
    if (ranges.empty()) return Value::error(ErrorKind::Value);
    CellRef sumAt = ranges[0].first;
    if (sumRange) {
        if (!sumRange->isRef) return Value::error(ErrorKind::Value);
        sumAt = sumRange->ref.first;
    }
    double sum = 0, count = 0;
    Value error;
    forEachMatch(ranges, criteria, ctx, [&](int32_t dr, int32_t dc) {
        if (!sumRange && !average) {
            ++count;
            return;
        }
        Value v = ctx.cellValue({sumAt.col + dc, sumAt.row + dr});
        if (v.isError() && !error.isError()) error = v;
        if (v.isNumber()) {
            sum += v.asNumber();
            ++count;
        }
    });
    if (error.isError()) return error;
    if (average) return count == 0 ? Value::error(ErrorKind::Div0) : numberResult(sum / count);
    return numberResult(sumRange ? sum : count);
}

Value countifFn(Args a, EvalContext& ctx) { return conditional(a, 0, nullptr, false, ctx); }
Value countifsFn(Args a, EvalContext& ctx) {
    if (a.size() % 2) return Value::error(ErrorKind::Value);
    return conditional(a, 0, nullptr, false, ctx);
}
Value sumifFn(Args a, EvalContext& ctx) { return conditional(a.first(2), 0, a.size() > 2 ? &a[2] : &a[0], false, ctx); }
Value sumifsFn(Args a, EvalContext& ctx) {
    if (a.size() % 2 == 0) return Value::error(ErrorKind::Value);
    return conditional(a, 1, &a[0], false, ctx);
}
Value averageifFn(Args a, EvalContext& ctx) {
    return conditional(a.first(2), 0, a.size() > 2 ? &a[2] : &a[0], true, ctx);
}

// Empty cells and cells holding an empty text.
Value countblankFn(Args a, EvalContext& ctx) {
    RangeRef r;
    if (!rangeArg(a[0], ctx, r)) return Value::error(ErrorKind::Value);
    double cells = std::max(0, r.rows()) * static_cast<double>(std::max(0, r.cols()));
    double filled = 0;
    forEachCell(ctx, r, [&](CellRef, const Value& v) {
        if (!v.isEmpty() && !(v.isText() && v.asText().empty())) ++filled;
        return true;
    });
    return Value::number(cells - filled);
}

Value productFn(Args a, EvalContext& ctx) {
    double product = 1;
    bool any = false;
    Value error = collectNumbers(a, ctx, [&](double x) {
        product *= x;
        any = true;
    });
    if (error.isError()) return error;
    return numberResult(any ? product : 0);
}

// The products of corresponding cells, summed; cells that are not numbers count as 0.
Value sumproductFn(Args a, EvalContext& ctx) {
    int32_t rows = 0, cols = 0;
    for (size_t k = 0; k < a.size(); ++k) {
        if (a[k].value.isError() && !a[k].isRef) return a[k].value;
        int32_t r = a[k].isRef ? a[k].ref.rows() : 1, c = a[k].isRef ? a[k].ref.cols() : 1;
        if (k == 0) {
            rows = r;
            cols = c;
        } else if (r != rows || c != cols) {
            return Value::error(ErrorKind::Value);
        }
    }
    double sum = 0;
    for (int32_t i = 0; i < rows; ++i)
        for (int32_t j = 0; j < cols; ++j) {
            double product = 1;
            for (const Operand& op : a) {
                Value v = op.isRef ? ctx.cellValue({op.ref.first.col + j, op.ref.first.row + i}) : op.value;
                if (v.isError()) return v;
                product *= v.isNumber() ? v.asNumber() : 0;
            }
            sum += product;
        }
    return numberResult(sum);
}

bool gather(Args a, const EvalContext& ctx, std::vector<double>& out, Value& error) {
    error = collectNumbers(a, ctx, [&](double x) { out.push_back(x); });
    return !error.isError();
}

Value medianFn(Args a, EvalContext& ctx) {
    std::vector<double> xs;
    Value error;
    if (!gather(a, ctx, xs, error)) return error;
    if (xs.empty()) return Value::error(ErrorKind::Num);
    std::sort(xs.begin(), xs.end());
    size_t n = xs.size();
    return numberResult(n % 2 ? xs[n / 2] : (xs[n / 2 - 1] + xs[n / 2]) / 2);
}

// The k-th largest (smallest) number; k outside 1..count is #NUM!.
Value kthFn(Args a, EvalContext& ctx, bool largest) {
    std::vector<double> xs;
    Value error;
    if (!gather(a.first(1), ctx, xs, error)) return error;
    double k = 0;
    if (!toNumber(implicitIntersection(a[1], ctx).value, k, error)) return error;
    k = std::ceil(k);
    if (k < 1 || k > static_cast<double>(xs.size())) return Value::error(ErrorKind::Num);
    std::sort(xs.begin(), xs.end());
    size_t i = static_cast<size_t>(k) - 1;
    return Value::number(largest ? xs[xs.size() - 1 - i] : xs[i]);
}
Value largeFn(Args a, EvalContext& ctx) { return kthFn(a, ctx, true); }
Value smallFn(Args a, EvalContext& ctx) { return kthFn(a, ctx, false); }

// RANK(x, list, [order]): 1 for the largest (order 0) or the smallest (order not 0); ties
// share the best rank; #N/A when x is not in the list.
Value rankFn(Args a, EvalContext& ctx) {
    Value error;
    double x = 0, order = 0;
    if (!toNumber(implicitIntersection(a[0], ctx).value, x, error)) return error;
    if (!a[1].isRef) return Value::error(ErrorKind::Value);
    if (a.size() > 2 && !toNumber(implicitIntersection(a[2], ctx).value, order, error)) return error;
    std::vector<double> xs;
    if (!gather(a.subspan(1, 1), ctx, xs, error)) return error;
    double before = 0;
    bool found = false;
    for (double y : xs) {
        if (y == x)
            found = true;
        else if (order == 0 ? y > x : y < x)
            ++before;
    }
    return found ? Value::number(before + 1) : Value::error(ErrorKind::NA);
}

// Sample variance by the two-pass formula (stable for large, close numbers).
Value varianceOf(Args a, EvalContext& ctx, bool root) {
    std::vector<double> xs;
    Value error;
    if (!gather(a, ctx, xs, error)) return error;
    if (xs.size() < 2) return Value::error(ErrorKind::Div0);
    double mean = 0;
    for (double x : xs) mean += x;
    mean /= static_cast<double>(xs.size());
    double sq = 0;
    for (double x : xs) sq += (x - mean) * (x - mean);
    double var = sq / static_cast<double>(xs.size() - 1);
    return numberResult(root ? std::sqrt(var) : var);
}
Value varFn(Args a, EvalContext& ctx) { return varianceOf(a, ctx, false); }
Value stdevFn(Args a, EvalContext& ctx) { return varianceOf(a, ctx, true); }

}  // namespace

void registerStatisticalFunctions(FunctionRegistry& r) {
    r.add({"COUNTIF", 2, 2, countifFn});
    r.add({"COUNTIFS", 2, kMaxFunctionArgs - 1, countifsFn});
    r.add({"SUMIF", 2, 3, sumifFn});
    r.add({"SUMIFS", 3, kMaxFunctionArgs, sumifsFn});
    r.add({"AVERAGEIF", 2, 3, averageifFn});
    r.add({"COUNTBLANK", 1, 1, countblankFn});
    r.add({"SUMPRODUCT", 1, kMaxFunctionArgs, sumproductFn});
    r.add({"PRODUCT", 1, kMaxFunctionArgs, productFn});
    r.add({"MEDIAN", 1, kMaxFunctionArgs, medianFn});
    r.add({"LARGE", 2, 2, largeFn});
    r.add({"SMALL", 2, 2, smallFn});
    r.add({"RANK", 2, 3, rankFn});
    r.add({"STDEV", 1, kMaxFunctionArgs, stdevFn});
    r.add({"VAR", 1, kMaxFunctionArgs, varFn});
}

}  // namespace sheet
