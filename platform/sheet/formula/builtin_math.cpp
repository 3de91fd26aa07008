// Numeric functions of one or two numbers.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "function_support.h"
#include "number_precision.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

template <class F>
Value unary(Args args, const EvalContext& ctx, F&& f) {
    Value error;
    double x = 0;
    if (!toNumber(scalarOf(args[0], ctx), x, error)) return error;
    return f(x);
}

template <class F>
Value binary(Args args, const EvalContext& ctx, F&& f) {
    Value error;
    double x = 0, y = 0;
    if (!toNumber(scalarOf(args[0], ctx), x, error) || !toNumber(scalarOf(args[1], ctx), y, error)) return error;
    return f(x, y);
}

// Half away from zero on the decimal value the user sees: 2.675 rounds to 2.68 even though
// its binary value lies just below, because the product is first cut to 15 significant
// digits, as the number is displayed.
double roundDecimal(double x, int digits) {
    // Beyond these a double has no digit left to round, or nothing left at all.
    if (digits > 308) return x;
    if (digits < -308) return 0;
    double scale = std::pow(10.0, digits);
    double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", scaled);
    return std::round(std::strtod(buf, nullptr)) / scale;
}

Value roundFn(Args a, EvalContext& ctx) {
    return binary(a, ctx, [](double x, double d) {
        return numberResult(roundDecimal(x, static_cast<int>(std::clamp(std::trunc(d), -400.0, 400.0))));
    });
}
Value intFn(Args a, EvalContext& ctx) {
    return unary(a, ctx, [](double x) { return numberResult(floorOf15Digits(x)); });
}
Value absFn(Args a, EvalContext& ctx) {
    return unary(a, ctx, [](double x) { return numberResult(std::fabs(x)); });
}
Value modFn(Args a, EvalContext& ctx) {
    // The result takes the divisor's sign: MOD(-3, 2) is 1.
    return binary(a, ctx, [](double x, double y) {
        if (y == 0) return Value::error(ErrorKind::Div0);
        return numberResult(subtractNumbers(x, y * floorOf15Digits(x / y)));
    });
}
Value sqrtFn(Args a, EvalContext& ctx) {
    return unary(a, ctx, [](double x) { return x < 0 ? Value::error(ErrorKind::Num) : numberResult(std::sqrt(x)); });
}
Value powerFn(Args a, EvalContext& ctx) { return binary(a, ctx, powerOf); }
Value piFn(Args, EvalContext&) { return Value::number(std::numbers::pi); }
Value sinFn(Args a, EvalContext& ctx) {
    return unary(a, ctx, [](double x) { return numberResult(std::sin(x)); });
}
Value cosFn(Args a, EvalContext& ctx) {
    return unary(a, ctx, [](double x) { return numberResult(std::cos(x)); });
}
Value tanFn(Args a, EvalContext& ctx) {
    return unary(a, ctx, [](double x) { return numberResult(std::tan(x)); });
}
Value atanFn(Args a, EvalContext& ctx) {
    return unary(a, ctx, [](double x) { return numberResult(std::atan(x)); });
}

}  // namespace

void registerMathFunctions(FunctionRegistry& r) {
    r.add({"ROUND", 2, 2, roundFn});
    r.add({"INT", 1, 1, intFn});
    r.add({"ABS", 1, 1, absFn});
    r.add({"MOD", 2, 2, modFn});
    r.add({"SQRT", 1, 1, sqrtFn});
    r.add({"POWER", 2, 2, powerFn});
    r.add({"PI", 0, 0, piFn});
    r.add({"SIN", 1, 1, sinFn});
    r.add({"COS", 1, 1, cosFn});
    r.add({"TAN", 1, 1, tanFn});
    r.add({"ATAN", 1, 1, atanFn});
}

}  // namespace sheet
