// Conversions shared by the operators and built-in functions, following the usual
// spreadsheet rules: empty counts as 0 / "" / FALSE, numeric text converts where a number is
// needed, and the first error met is the result.
#pragma once

#include <cmath>
#include <span>
#include <utility>

#include "number_precision.h"
#include "sheet/formula/postfix_formula.h"
#include "sheet/formula/eval_context.h"
#include "sheet/formula/formula.h"
#include "sheet/formula/function_registry.h"
#include "sheet/value.h"

namespace sheet {

// The value an operand stands for when a single value is needed: a range cannot be one.
inline Value scalarOf(const Operand& op) { return op.isRange() ? Value::error(ErrorKind::Value) : op.value; }

// A value as a number; false with `error` set when it is an error or non-numeric text.
inline bool toNumber(const Value& v, double& out, Value& error) {
    switch (v.type()) {
    case ValueType::Number:
    case ValueType::Boolean:
    case ValueType::Empty: out = v.asNumber(); return true;
    case ValueType::Text:
        if (auto n = formulaTextToNumber(v.asText())) {
            out = *n;
            return true;
        }
        error = Value::error(ErrorKind::Value);
        return false;
    case ValueType::Error: error = v; return false;
    }
    error = Value::error(ErrorKind::Value);
    return false;
}

// x^y with the spreadsheet's rules for 0^0 (#NUM!) and 0^negative (#DIV/0!).
Value powerOf(double x, double y);

// A value as a truth value; text must read TRUE or FALSE.
bool toBool(const Value& v, bool& out, Value& error);

// A number result; infinities and NaN are #NUM!.
inline Value numberResult(double n) { return std::isfinite(n) ? Value::number(n) : Value::error(ErrorKind::Num); }

// Orders values as look-ups and comparisons do: numbers < texts < booleans, texts ignoring
// case; an empty value takes the zero of the other side's type.
int compareValues(const Value& a, const Value& b);

// Visits the cells of a range through the context with a lambda.
template <class F>
void forEachCell(const EvalContext& ctx, const RangeRef& range, F&& f) {
    struct Adapter : CellVisitor {
        F& fn;
        explicit Adapter(F& f) : fn(f) {}
        bool visit(CellRef c, const Value& v) override { return fn(c, v); }
    } adapter(f);
    ctx.forEachValue(range, adapter);
}

// An operand that stands for a reference: a single cell carries its value, as the interpreter's
// own references do.
inline Operand referenceOperand(const EvalContext& ctx, const RangeRef& range) {
    Operand op;
    op.ref = range;
    op.isRef = true;
    if (range.first == range.last) op.value = ctx.cellValue(range.first);
    return op;
}

inline Operand valueOperand(Value v) {
    Operand op;
    op.value = std::move(v);
    return op;
}

// A registry entry for a function whose result may be a reference.
inline FunctionDef referenceFunction(std::string name, int minArgs, int maxArgs, ReferenceImpl impl) {
    FunctionDef def;
    def.name = std::move(name);
    def.minArgs = minArgs;
    def.maxArgs = maxArgs;
    def.impl = [impl](std::span<const Operand> args, EvalContext& ctx) { return scalarOf(impl(args, ctx)); };
    def.refImpl = std::move(impl);
    return def;
}

// The reference operators: Op::Range (the range spanning both references) and Op::Intersect
// (their common cells, #NULL! when none).  Operands that are not references give #VALUE!
// (or their error).
Operand referenceOperator(Op op, std::span<const Operand> args, const EvalContext& ctx);

// A range where one value is needed: the cell of a one-column range in the caller's row, or of
// a one-row range in the caller's column; #VALUE! when there is none.  Other operands as they
// are.
Operand implicitIntersection(const Operand& op, const EvalContext& ctx);

// Calls take(number) for every number the arguments contribute: typed values as numbers (TRUE
// is 1, "3" is 3, other text #VALUE!), referenced cells only when they hold numbers.  Returns
// the first error met, else empty.
template <class Take>
Value collectNumbers(std::span<const Operand> args, const EvalContext& ctx, Take&& take) {
    Value error;
    for (const Operand& a : args) {
        if (a.isRef) {
            forEachCell(ctx, a.ref, [&](CellRef, const Value& v) {
                if (v.isError()) {
                    error = v;
                    return false;
                }
                if (v.isNumber()) take(v.asNumber());
                return true;
            });
            if (error.isError()) return error;
        } else if (!a.value.isEmpty()) {
            double x = 0;
            if (!toNumber(a.value, x, error)) return error;
            take(x);
        }
    }
    return Value();
}

// The value an operand stands for where one value is needed, a range by implicit
// intersection.
inline Value scalarOf(const Operand& op, const EvalContext& ctx) {
    return op.isRange() ? implicitIntersection(op, ctx).value : op.value;
}

// Registration of the built-ins, one group per file.
void registerOperators(FunctionRegistry& registry);
void registerMathFunctions(FunctionRegistry& registry);
void registerAggregateFunctions(FunctionRegistry& registry);
void registerLogicAndTextFunctions(FunctionRegistry& registry);
void registerLookupFunctions(FunctionRegistry& registry);
void registerInformationFunctions(FunctionRegistry& registry);
void registerMoreMathFunctions(FunctionRegistry& registry);
void registerStatisticalFunctions(FunctionRegistry& registry);
void registerTextFunctions(FunctionRegistry& registry);
void registerReferenceFunctions(FunctionRegistry& registry);
void registerDateFunctions(FunctionRegistry& registry);

using OperatorFn = Value (*)(std::span<const Operand>, EvalContext&);
// The operator implementations the interpreter calls directly (the same ones the registry
// holds), indexed by Op.
OperatorFn operatorFunction(Op op);

}  // namespace sheet
