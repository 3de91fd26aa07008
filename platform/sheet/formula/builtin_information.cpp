// Questions about values (ISBLANK ... ISNA), error catching (IFERROR, IFNA, NA) and the
// remaining logical functions (TRUE, FALSE, XOR).
#include "function_support.h"

namespace sheet {

namespace {

using Args = std::span<const Operand>;

// The value an IS function asks about: a referenced cell as it is (empty stays empty), a range
// through implicit intersection.
Value questioned(const Operand& a, const EvalContext& ctx) { return implicitIntersection(a, ctx).value; }

template <class Test>
FunctionDef isFunction(const char* name, Test test) {
    return {name, 1, 1, [test](Args a, EvalContext& ctx) { return Value::boolean(test(questioned(a[0], ctx), a[0])); }};
}

bool isNA(const Value& v) { return v.isError() && v.asError() == ErrorKind::NA; }

Value trueFn(Args, EvalContext&) { return Value::boolean(true); }
Value falseFn(Args, EvalContext&) { return Value::boolean(false); }
Value naFn(Args, EvalContext&) { return Value::error(ErrorKind::NA); }

// The first argument unless it is an error the function catches; then the second.
Operand iferrorFn(Args a, EvalContext& ctx) {
    Operand v = implicitIntersection(a[0], ctx);
    return v.value.isError() ? a[1] : v;
}
Operand ifnaFn(Args a, EvalContext& ctx) {
    Operand v = implicitIntersection(a[0], ctx);
    return isNA(v.value) ? a[1] : v;
}

// TRUE when an odd number of the arguments is TRUE; the same argument rules as AND and OR.
Value xorFn(Args args, EvalContext& ctx) {
    bool result = false, any = false;
    for (const Operand& a : args) {
        if (a.isRef) {
            Value error;
            forEachCell(ctx, a.ref, [&](CellRef, const Value& v) {
                if (v.isError()) {
                    error = v;
                    return false;
                }
                if (v.isNumber() || v.isBool()) {
                    result ^= v.asNumber() != 0;
                    any = true;
                }
                return true;
            });
            if (error.isError()) return error;
        } else if (!a.value.isEmpty()) {
            if (a.value.isText()) return Value::error(ErrorKind::Value);
            if (a.value.isError()) return a.value;
            result ^= a.value.asNumber() != 0;
            any = true;
        }
    }
    return any ? Value::boolean(result) : Value::error(ErrorKind::Value);
}

}  // namespace

void registerInformationFunctions(FunctionRegistry& r) {
    // ISBLANK is TRUE only for an empty cell: a typed "" or a missing argument is not one.
    r.add(isFunction("ISBLANK", [](const Value& v, const Operand& a) { return a.isRef && v.isEmpty(); }));
    r.add(isFunction("ISNUMBER", [](const Value& v, const Operand&) { return v.isNumber(); }));
    r.add(isFunction("ISTEXT", [](const Value& v, const Operand&) { return v.isText(); }));
    r.add(isFunction("ISLOGICAL", [](const Value& v, const Operand&) { return v.isBool(); }));
    r.add(isFunction("ISERROR", [](const Value& v, const Operand&) { return v.isError(); }));
    r.add(isFunction("ISERR", [](const Value& v, const Operand&) { return v.isError() && !isNA(v); }));
    r.add(isFunction("ISNA", [](const Value& v, const Operand&) { return isNA(v); }));
    r.add(referenceFunction("IFERROR", 2, 2, iferrorFn));
    r.add(referenceFunction("IFNA", 2, 2, ifnaFn));
    r.add({"NA", 0, 0, naFn});
    r.add({"TRUE", 0, 0, trueFn});
    r.add({"FALSE", 0, 0, falseFn});
    r.add({"XOR", 1, kMaxFunctionArgs, xorFn});
}

}  // namespace sheet
