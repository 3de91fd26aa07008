// Functions about references: CHOOSE, ROWS, COLUMNS, ROW, COLUMN and OFFSET.  CHOOSE and
// OFFSET give references, so SUM(CHOOSE(2,A1:A3,B1:B3)) sums B1:B3.
#include <cmath>

#include "area_operands.h"
#include "function_support.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

bool wholeArg(const Operand& a, const EvalContext& ctx, double& out, Value& error) {
    if (!toNumber(implicitIntersection(a, ctx).value, out, error)) return false;
    out = std::trunc(out);
    return true;
}

Operand chooseFn(Args a, EvalContext& ctx) {
    double i = 0;
    Value error;
    if (!wholeArg(a[0], ctx, i, error)) return valueOperand(error);
    if (i < 1 || i >= static_cast<double>(a.size())) return valueOperand(Value::error(ErrorKind::Value));
    return a[static_cast<size_t>(i)];
}

template <bool rows>
Value sizeFn(Args a, EvalContext&) {
    if (!a[0].isRef) return a[0].value.isError() ? a[0].value : Value::number(1);
    // A union has no one size.
    if (isUnionArea(a[0].ref)) return Value::error(ErrorKind::Ref);
    return Value::number(rows ? a[0].ref.rows() : a[0].ref.cols());
}

// ROW() and COLUMN() of the calling cell, or of the first cell of a reference.
template <bool row>
Value positionFn(Args a, EvalContext& ctx) {
    if (a.empty() || (!a[0].isRef && a[0].value.isEmpty())) {
        CellRef at = ctx.caller();
        return Value::number(row ? at.row : at.col);
    }
    if (!a[0].isRef || isAreaOperand(a[0].ref))
        return a[0].value.isError() ? a[0].value : Value::error(ErrorKind::Value);
    return Value::number(row ? a[0].ref.first.row : a[0].ref.first.col);
}

// OFFSET(reference, rows, cols [, height [, width]]): the reference moved and resized.  A
// result off the sheet or a size below 1 is #REF!.  The cells it reaches are not known before
// it runs, so formulas calling it are computed at every recalculation.
Operand offsetFn(Args a, EvalContext& ctx) {
    if (!a[0].isRef) return valueOperand(a[0].value.isError() ? a[0].value : Value::error(ErrorKind::Value));
    const RangeRef base = a[0].ref;
    double rows = 0, cols = 0, height = base.rows(), width = base.cols();
    Value error;
    auto given = [&](size_t i) { return a.size() > i && !(a[i].value.isEmpty() && !a[i].isRef); };
    if (!wholeArg(a[1], ctx, rows, error) || !wholeArg(a[2], ctx, cols, error) ||
        (given(3) && !wholeArg(a[3], ctx, height, error)) || (given(4) && !wholeArg(a[4], ctx, width, error)))
        return valueOperand(error);
    if (height < 1 || width < 1) return valueOperand(Value::error(ErrorKind::Ref));
    double top = base.first.row + rows, left = base.first.col + cols;
    double bottom = top + height - 1, right = left + width - 1;
    if (top < 1 || left < 1 || bottom > ctx.maxRows() || right > ctx.maxCols())
        return valueOperand(Value::error(ErrorKind::Ref));
    return referenceOperand(ctx, {{static_cast<int32_t>(left), static_cast<int32_t>(top)},
                                  {static_cast<int32_t>(right), static_cast<int32_t>(bottom)}});
}

}  // namespace

void registerReferenceFunctions(FunctionRegistry& r) {
    r.add(referenceFunction("CHOOSE", 2, kMaxFunctionArgs, chooseFn));
    r.add({"ROWS", 1, 1, sizeFn<true>});
    r.add({"COLUMNS", 1, 1, sizeFn<false>});
    r.add({"ROW", 0, 1, positionFn<true>});
    r.add({"COLUMN", 0, 1, positionFn<false>});
    r.add(referenceFunction("OFFSET", 3, 5, offsetFn));
}

}  // namespace sheet
