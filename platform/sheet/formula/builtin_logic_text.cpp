// IF, AND, OR, NOT and the text functions.
#include "function_support.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

// The interpreter runs only the branch the condition takes (the other arrives as a missing
// operand); IF passes that branch on as it is, a reference included.
Operand ifFn(Args args, EvalContext& ctx) {
    Value error;
    bool condition = false;
    if (!toBool(scalarOf(args[0], ctx), condition, error)) return valueOperand(error);
    if (condition) return args[1];
    if (args.size() > 2) return args[2];
    return valueOperand(Value::boolean(false));
}

// Truth values of the arguments: typed values must be logical or numeric; text and empty
// cells inside references are skipped.  #VALUE! when nothing logical was found.
template <class Combine>
Value logicalFn(Args args, const EvalContext& ctx, bool start, Combine&& combine) {
    bool result = start, any = false;
    Value error;
    for (const Operand& a : args) {
        if (a.isRef) {
            forEachCell(ctx, a.ref, [&](CellRef, const Value& v) {
                if (v.isError()) {
                    error = v;
                    return false;
                }
                if (v.isNumber() || v.isBool()) {
                    result = combine(result, v.asNumber() != 0);
                    any = true;
                }
                return true;
            });
            if (error.isError()) return error;
        } else if (!a.value.isEmpty()) {
            // A text typed as an argument is not a truth value, even "TRUE".
            if (a.value.isText()) return Value::error(ErrorKind::Value);
            bool b = false;
            if (!toBool(a.value, b, error)) return error;
            result = combine(result, b);
            any = true;
        }
    }
    return any ? Value::boolean(result) : Value::error(ErrorKind::Value);
}

Value andFn(Args args, EvalContext& ctx) {
    return logicalFn(args, ctx, true, [](bool r, bool b) { return r && b; });
}
Value orFn(Args args, EvalContext& ctx) {
    return logicalFn(args, ctx, false, [](bool r, bool b) { return r || b; });
}
Value notFn(Args args, EvalContext& ctx) {
    Value error;
    bool b = false;
    if (!toBool(scalarOf(args[0], ctx), b, error)) return error;
    return Value::boolean(!b);
}

Value concatenateFn(Args args, EvalContext& ctx) {
    std::string out;
    for (const Operand& a : args) {
        Value v = scalarOf(a, ctx);
        if (v.isError()) return v;
        out += valueToText(v);
    }
    return Value::text(std::move(out));
}

Value lenFn(Args args, EvalContext& ctx) {
    Value v = scalarOf(args[0], ctx);
    if (v.isError()) return v;
    return Value::number(static_cast<double>(valueToText(v).size()));
}

}  // namespace

void registerLogicAndTextFunctions(FunctionRegistry& r) {
    r.add(referenceFunction("IF", 2, 3, ifFn));
    r.add({"AND", 1, kMaxFunctionArgs, andFn});
    r.add({"OR", 1, kMaxFunctionArgs, orFn});
    r.add({"NOT", 1, 1, notFn});
    r.add({"CONCATENATE", 1, kMaxFunctionArgs, concatenateFn});
    r.add({"LEN", 1, 1, lenFn});
}

}  // namespace sheet
