// Functions over lists of values and ranges.  Values typed directly as arguments count as
// their number (TRUE is 1, "3" is 3, other text is #VALUE!); inside a referenced cell only
// numbers count and text, booleans and empty cells are skipped.  An error anywhere wins.
// Ranges are read cell by cell through the context, never copied.
#include <algorithm>
#include <limits>

#include "function_support.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

Value sumFn(Args args, EvalContext& ctx) {
    double sum = 0;
    Value error = collectNumbers(args, ctx, [&](double x) { sum += x; });
    return error.isError() ? error : numberResult(sum);
}

Value averageFn(Args args, EvalContext& ctx) {
    double sum = 0;
    size_t count = 0;
    Value error = collectNumbers(args, ctx, [&](double x) {
        sum += x;
        ++count;
    });
    if (error.isError()) return error;
    return count == 0 ? Value::error(ErrorKind::Div0) : numberResult(sum / count);
}

template <class Better>
Value extremeFn(Args args, EvalContext& ctx, Better&& better) {
    bool any = false;
    double best = 0;
    Value error = collectNumbers(args, ctx, [&](double x) {
        if (!any || better(x, best)) best = x;
        any = true;
    });
    return error.isError() ? error : Value::number(any ? best : 0);
}

Value minFn(Args args, EvalContext& ctx) {
    return extremeFn(args, ctx, [](double x, double best) { return x < best; });
}
Value maxFn(Args args, EvalContext& ctx) {
    return extremeFn(args, ctx, [](double x, double best) { return x > best; });
}

// COUNT never fails: errors and text are simply not numbers.
Value countFn(Args args, EvalContext& ctx) {
    double count = 0;
    for (const Operand& a : args) {
        if (a.isRef) {
            forEachCell(ctx, a.ref, [&](CellRef, const Value& v) {
                if (v.isNumber()) ++count;
                return true;
            });
        } else if (a.value.isNumber() || a.value.isBool() || (a.value.isText() && textToNumber(a.value.asText()))) {
            ++count;
        }
    }
    return Value::number(count);
}

// Every value that is there counts, errors included; an omitted argument does not.
Value countaFn(Args args, EvalContext& ctx) {
    double count = 0;
    for (const Operand& a : args) {
        if (a.isRef) {
            forEachCell(ctx, a.ref, [&](CellRef, const Value& v) {
                if (!v.isEmpty()) ++count;
                return true;
            });
        } else if (!a.value.isEmpty()) {
            ++count;
        }
    }
    return Value::number(count);
}

}  // namespace

void registerAggregateFunctions(FunctionRegistry& r) {
    r.add({"SUM", 1, kMaxFunctionArgs, sumFn});
    r.add({"AVERAGE", 1, kMaxFunctionArgs, averageFn});
    r.add({"MIN", 1, kMaxFunctionArgs, minFn});
    r.add({"MAX", 1, kMaxFunctionArgs, maxFn});
    r.add({"COUNT", 1, kMaxFunctionArgs, countFn});
    r.add({"COUNTA", 1, kMaxFunctionArgs, countaFn});
}

}  // namespace sheet
