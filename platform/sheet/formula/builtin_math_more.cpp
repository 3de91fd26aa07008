// Rounding to a multiple or a digit count, logarithms, trigonometry beyond the basics, whole
// number functions and RAND.  Quotients that decide a rounding are first cut to 15 significant
// digits, as the user reads them: CEILING(0.3,0.1) is 0.3.
#include <cmath>
#include <numbers>
#include <numeric>

#include "function_support.h"
#include "number_precision.h"
#include "sheet/environment.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

bool numberArg(const Operand& a, const EvalContext& ctx, double& out, Value& error) {
    return toNumber(implicitIntersection(a, ctx).value, out, error);
}

template <class F>
FunctionDef unaryFunction(const char* name, F f) {
    return {name, 1, 1, [f](Args a, EvalContext& ctx) {
                Value error;
                double x = 0;
                if (!numberArg(a[0], ctx, x, error)) return error;
                return f(x);
            }};
}

// A function of x and an optional second number (`fallback` when left out).
template <class F>
FunctionDef binaryFunction(const char* name, int minArgs, double fallback, F f) {
    return {name, minArgs, 2, [f, fallback](Args a, EvalContext& ctx) {
                Value error;
                double x = 0, y = fallback;
                if (!numberArg(a[0], ctx, x, error)) return error;
                if (a.size() > 1 && !(a[1].value.isEmpty() && !a[1].isRef) && !numberArg(a[1], ctx, y, error))
                    return error;
                return f(x, y);
            }};
}

// x scaled to `digits` decimals, cut to 15 significant digits, rounded by `toWhole` and
// scaled back.
template <class ToWhole>
double roundDigits(double x, double digits, ToWhole toWhole) {
    int d = static_cast<int>(std::clamp(std::trunc(digits), -400.0, 400.0));
    if (d > 308) return x;
    if (d < -308) return 0;
    double scale = std::pow(10.0, d);
    double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;
    return toWhole(roundTo15Digits(scaled)) / scale;
}

double awayFromZero(double v) { return v < 0 ? -std::ceil(-v) : std::ceil(v); }

Value roundUp(double x, double d) { return numberResult(roundDigits(x, d, awayFromZero)); }
Value roundDown(double x, double d) {
    return numberResult(roundDigits(x, d, [](double v) { return std::trunc(v); }));
}

Value mround(double x, double m) {
    if (m == 0) return Value::number(0);
    if ((x < 0) != (m < 0) && x != 0) return Value::error(ErrorKind::Num);
    return numberResult(std::round(roundTo15Digits(x / m)) * m);
}

// CEILING and FLOOR: a positive number with a negative step is #NUM!.
Value ceilingOf(double x, double step) {
    if (step == 0 || x == 0) return Value::number(0);
    if (x > 0 && step < 0) return Value::error(ErrorKind::Num);
    return numberResult(std::ceil(roundTo15Digits(x / step)) * step);
}
Value floorOf(double x, double step) {
    if (x == 0) return Value::number(0);
    if (step == 0) return Value::error(ErrorKind::Div0);
    if (x > 0 && step < 0) return Value::error(ErrorKind::Num);
    return numberResult(std::floor(roundTo15Digits(x / step)) * step);
}

Value logOf(double x, double base) {
    if (x <= 0 || base <= 0) return Value::error(ErrorKind::Num);
    if (base == 1) return Value::error(ErrorKind::Div0);
    return numberResult(std::log(x) / std::log(base));
}

// ATAN2(x, y): the angle of the point (x, y).
Value atan2Of(double x, double y) {
    if (x == 0 && y == 0) return Value::error(ErrorKind::Div0);
    return numberResult(std::atan2(y, x));
}

Value factOf(double x) {
    if (x < 0) return Value::error(ErrorKind::Num);
    double n = std::trunc(x), f = 1;
    for (double k = 2; k <= n; ++k) f *= k;
    return numberResult(f);
}

Value quotientOf(double n, double d) {
    if (d == 0) return Value::error(ErrorKind::Div0);
    return numberResult(std::trunc(roundTo15Digits(n / d)));
}

// The nearest even (odd) whole number away from zero.
Value evenOf(double x) {
    double m = std::ceil(roundTo15Digits(std::fabs(x)) / 2) * 2;
    return numberResult(x < 0 ? -m : m);
}
Value oddOf(double x) {
    double a = std::ceil(roundTo15Digits(std::fabs(x)));
    if (std::fmod(a, 2) == 0) a += 1;
    return numberResult(x < 0 ? -a : a);
}

// GCD and LCM over numbers and ranges; negative numbers are #NUM!, fractions are cut.
template <class Combine>
Value wholeNumbersFn(Args args, EvalContext& ctx, double start, Combine combine) {
    double result = start;
    bool bad = false;
    Value error = collectNumbers(args, ctx, [&](double x) {
        if (x < 0 || x >= 0x1p53)
            bad = true;
        else
            result = combine(result, std::trunc(x));
    });
    if (error.isError()) return error;
    if (bad) return Value::error(ErrorKind::Num);
    return numberResult(result);
}

double gcdOf(double a, double b) {
    return static_cast<double>(std::gcd(static_cast<uint64_t>(a), static_cast<uint64_t>(b)));
}

Value gcdFn(Args a, EvalContext& ctx) { return wholeNumbersFn(a, ctx, 0, gcdOf); }
Value lcmFn(Args a, EvalContext& ctx) {
    return wholeNumbersFn(a, ctx, 1, [](double r, double x) {
        if (r == 0 || x == 0) return 0.0;
        return r / gcdOf(r, x) * x;
    });
}

Value randFn(Args, EvalContext&) { return Value::number(nextRandom()); }

}  // namespace

void registerMoreMathFunctions(FunctionRegistry& r) {
    r.add(binaryFunction("ROUNDUP", 2, 0, roundUp));
    r.add(binaryFunction("ROUNDDOWN", 2, 0, roundDown));
    r.add(binaryFunction("TRUNC", 1, 0, roundDown));
    r.add(binaryFunction("MROUND", 2, 0, mround));
    r.add(binaryFunction("CEILING", 1, 1, ceilingOf));
    r.add(binaryFunction("FLOOR", 1, 1, floorOf));
    r.add(unaryFunction("EXP", [](double x) { return numberResult(std::exp(x)); }));
    r.add(unaryFunction("LN", [](double x) { return logOf(x, std::numbers::e); }));
    r.add(binaryFunction("LOG", 1, 10, logOf));
    r.add(unaryFunction("LOG10", [](double x) { return logOf(x, 10); }));
    r.add(unaryFunction("SIGN", [](double x) { return Value::number(x > 0 ? 1 : (x < 0 ? -1 : 0)); }));
    r.add(unaryFunction(
        "ASIN", [](double x) { return std::fabs(x) > 1 ? Value::error(ErrorKind::Num) : numberResult(std::asin(x)); }));
    r.add(unaryFunction(
        "ACOS", [](double x) { return std::fabs(x) > 1 ? Value::error(ErrorKind::Num) : numberResult(std::acos(x)); }));
    r.add(binaryFunction("ATAN2", 2, 0, atan2Of));
    r.add(unaryFunction("DEGREES", [](double x) { return numberResult(x * 180 / std::numbers::pi); }));
    r.add(unaryFunction("RADIANS", [](double x) { return numberResult(x * std::numbers::pi / 180); }));
    r.add(unaryFunction("FACT", factOf));
    r.add({"GCD", 1, kMaxFunctionArgs, gcdFn});
    r.add({"LCM", 1, kMaxFunctionArgs, lcmFn});
    r.add(binaryFunction("QUOTIENT", 2, 0, quotientOf));
    r.add(unaryFunction("EVEN", evenOf));
    r.add(unaryFunction("ODD", oddOf));
    r.add({"RAND", 0, 0, randFn});
}

}  // namespace sheet
