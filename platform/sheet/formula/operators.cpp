// The arithmetic, text and comparison operators, registered like every other function.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "area_operands.h"
#include "function_support.h"
#include "number_precision.h"
#include "text_case.h"
#include "text_collation.h"

namespace sheet {

bool toBool(const Value& v, bool& out, Value& error) {
    switch (v.type()) {
    case ValueType::Number:
    case ValueType::Boolean:
    case ValueType::Empty: out = v.asNumber() != 0; return true;
    case ValueType::Text:
        if (compareIgnoringCase(v.asText(), "TRUE") == 0) {
            out = true;
            return true;
        }
        if (compareIgnoringCase(v.asText(), "FALSE") == 0) {
            out = false;
            return true;
        }
        error = Value::error(ErrorKind::Value);
        return false;
    case ValueType::Error: error = v; return false;
    }
    return false;
}

namespace {

int typeRank(ValueType t) {
    switch (t) {
    case ValueType::Number: return 0;
    case ValueType::Text: return 1;
    case ValueType::Boolean: return 2;
    default: return 3;
    }
}

}  // namespace

int compareValues(const Value& a, const Value& b) {
    ValueType ta = a.type(), tb = b.type();
    if (ta == ValueType::Empty && tb == ValueType::Empty) return 0;
    if (ta == ValueType::Empty) ta = tb;
    if (tb == ValueType::Empty) tb = ta;
    if (ta != tb) return typeRank(ta) < typeRank(tb) ? -1 : 1;
    if (ta == ValueType::Text) return collateTexts(a.asText(), b.asText());
    // Empty reads as 0 / FALSE.
    if (ta == ValueType::Number) return compareNumbers(a.asNumber(), b.asNumber());
    double x = a.asNumber(), y = b.asNumber();
    return x < y ? -1 : (x > y ? 1 : 0);
}

Operand referenceOperator(Op op, std::span<const Operand> args, const EvalContext& ctx) {
    if (args.size() != 2) return valueOperand(Value::error(ErrorKind::Value));
    for (const Operand& a : args) {
        if (a.isRef) continue;
        return valueOperand(a.value.isError() ? a.value : Value::error(ErrorKind::Value));
    }
    const RangeRef& a = args[0].ref;
    const RangeRef& b = args[1].ref;
    // An array constant spans no cells of the sheet.
    if (isAreaOperand(a) || isAreaOperand(b)) return valueOperand(Value::error(ErrorKind::Value));
    RangeRef r;
    if (op == Op::Range) {
        r.first = {std::min(a.first.col, b.first.col), std::min(a.first.row, b.first.row)};
        r.last = {std::max(a.last.col, b.last.col), std::max(a.last.row, b.last.row)};
    } else {
        r.first = {std::max(a.first.col, b.first.col), std::max(a.first.row, b.first.row)};
        r.last = {std::min(a.last.col, b.last.col), std::min(a.last.row, b.last.row)};
        if (r.first.col > r.last.col || r.first.row > r.last.row) return valueOperand(Value::error(ErrorKind::Null));
    }
    return referenceOperand(ctx, r);
}

Operand implicitIntersection(const Operand& op, const EvalContext& ctx) {
    if (!op.isRange()) return op;
    const RangeRef& r = op.ref;
    // A union where one value is due is an error; an array constant gives its first element, as
    // in the peers.
    if (isUnionArea(r)) return valueOperand(Value::error(ErrorKind::Value));
    if (isAreaOperand(r)) return referenceOperand(ctx, {r.first, r.first});
    const CellRef at = ctx.caller();
    if (r.cols() == 1 && at.row >= r.first.row && at.row <= r.last.row)
        return referenceOperand(ctx, {{r.first.col, at.row}, {r.first.col, at.row}});
    if (r.rows() == 1 && at.col >= r.first.col && at.col <= r.last.col)
        return referenceOperand(ctx, {{at.col, r.first.row}, {at.col, r.first.row}});
    return valueOperand(Value::error(ErrorKind::Value));
}

namespace {

template <class F>
Value arithmetic(std::span<const Operand> args, F&& f) {
    if (args.size() != 2) return Value::error(ErrorKind::Value);
    Value error;
    double x = 0, y = 0;
    if (!toNumber(scalarOf(args[0]), x, error) || !toNumber(scalarOf(args[1]), y, error)) return error;
    return f(x, y);
}

Value add(std::span<const Operand> a, EvalContext&) {
    return arithmetic(
        a, [](double x, double y) { return numberResult((x < 0) != (y < 0) ? subtractNumbers(x, -y) : x + y); });
}
Value subtract(std::span<const Operand> a, EvalContext&) {
    return arithmetic(
        a, [](double x, double y) { return numberResult((x < 0) == (y < 0) ? subtractNumbers(x, y) : x - y); });
}
Value multiply(std::span<const Operand> a, EvalContext&) {
    return arithmetic(a, [](double x, double y) { return numberResult(x * y); });
}
Value divide(std::span<const Operand> a, EvalContext&) {
    return arithmetic(a,
                      [](double x, double y) { return y == 0 ? Value::error(ErrorKind::Div0) : numberResult(x / y); });
}

}  // namespace

Value powerOf(double x, double y) {
    if (x == 0 && y == 0) return Value::error(ErrorKind::Num);
    if (x == 0 && y < 0) return Value::error(ErrorKind::Div0);
    return numberResult(std::pow(x, y));  // a negative base with a fractional power is NaN
}

namespace {

Value power(std::span<const Operand> a, EvalContext&) { return arithmetic(a, powerOf); }

Value concat(std::span<const Operand> args, EvalContext&) {
    if (args.size() != 2) return Value::error(ErrorKind::Value);
    Value x = scalarOf(args[0]), y = scalarOf(args[1]);
    if (x.isError()) return x;
    if (y.isError()) return y;
    return Value::text(valueToText(x) + valueToText(y));
}

template <class Test>
Value comparison(std::span<const Operand> args, Test&& test) {
    if (args.size() != 2) return Value::error(ErrorKind::Value);
    Value x = scalarOf(args[0]), y = scalarOf(args[1]);
    if (x.isError()) return x;
    if (y.isError()) return y;
    return Value::boolean(test(compareValues(x, y)));
}

Value equal(std::span<const Operand> a, EvalContext&) {
    return comparison(a, [](int c) { return c == 0; });
}
Value notEqual(std::span<const Operand> a, EvalContext&) {
    return comparison(a, [](int c) { return c != 0; });
}
Value less(std::span<const Operand> a, EvalContext&) {
    return comparison(a, [](int c) { return c < 0; });
}
Value greater(std::span<const Operand> a, EvalContext&) {
    return comparison(a, [](int c) { return c > 0; });
}
Value lessOrEqual(std::span<const Operand> a, EvalContext&) {
    return comparison(a, [](int c) { return c <= 0; });
}
Value greaterOrEqual(std::span<const Operand> a, EvalContext&) {
    return comparison(a, [](int c) { return c >= 0; });
}

Value negate(std::span<const Operand> args, EvalContext&) {
    if (args.size() != 1) return Value::error(ErrorKind::Value);
    Value error;
    double x = 0;
    if (!toNumber(scalarOf(args[0]), x, error)) return error;
    return Value::number(-x);
}

Value unaryPlus(std::span<const Operand> args, EvalContext&) {
    if (args.size() != 1) return Value::error(ErrorKind::Value);
    return scalarOf(args[0]);
}

Value percent(std::span<const Operand> args, EvalContext&) {
    if (args.size() != 1) return Value::error(ErrorKind::Value);
    Value error;
    double x = 0;
    if (!toNumber(scalarOf(args[0]), x, error)) return error;
    return Value::number(x / 100);
}

Value rangeValue(std::span<const Operand> a, EvalContext& ctx) {
    return scalarOf(referenceOperator(Op::Range, a, ctx));
}
Value intersectValue(std::span<const Operand> a, EvalContext& ctx) {
    return scalarOf(referenceOperator(Op::Intersect, a, ctx));
}

struct OperatorEntry {
    Op op;
    const char* name;
    int arity;
    OperatorFn fn;
};

constexpr OperatorEntry kOperators[] = {
    {Op::Add, "+", 2, add},
    {Op::Sub, "-", 2, subtract},
    {Op::Mul, "*", 2, multiply},
    {Op::Div, "/", 2, divide},
    {Op::Pow, "^", 2, power},
    {Op::Concat, "&", 2, concat},
    {Op::Eq, "=", 2, equal},
    {Op::Ne, "<>", 2, notEqual},
    {Op::Lt, "<", 2, less},
    {Op::Gt, ">", 2, greater},
    {Op::Le, "<=", 2, lessOrEqual},
    {Op::Ge, ">=", 2, greaterOrEqual},
    {Op::Negate, "u-", 1, negate},
    {Op::Plus, "u+", 1, unaryPlus},
    {Op::Percent, "%", 1, percent},
    {Op::Range, ":", 2, rangeValue},
    {Op::Intersect, " ", 2, intersectValue},
};

}  // namespace

OperatorFn operatorFunction(Op op) {
    static_assert(std::size(kOperators) == static_cast<size_t>(Op::Intersect) + 1);
    // Entries are in Op order, so the interpreter's call is one index.
    return kOperators[static_cast<size_t>(op)].fn;
}

void registerOperators(FunctionRegistry& registry) {
    for (const auto& e : kOperators) registry.add({e.name, e.arity, e.arity, e.fn, false});
}

}  // namespace sheet
