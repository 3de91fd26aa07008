// The functions formulas call.  Built-in functions and operators register here exactly as
// custom functions do: a name, minimum and maximum argument counts, and a callable.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "sheet/value.h"

namespace sheet {

class EvalContext;

// One evaluated argument.  A reference keeps its cells so that functions can read ranges
// through the context without copying them; `value` holds the cell's value for a single-cell
// reference and is empty for a larger range.
struct Operand {
    Value value;
    RangeRef ref{};
    bool isRef = false;
    bool isRange() const { return isRef && !(ref.first == ref.last); }
};

using FunctionImpl = std::function<Value(std::span<const Operand> args, EvalContext& context)>;
// A function whose result may be a reference (IF, INDEX, CHOOSE, OFFSET): the operand it
// returns is passed on as it is, so SUM(IF(TRUE,B1:B3)) sums the range.
using ReferenceImpl = std::function<Operand(std::span<const Operand> args, EvalContext& context)>;

struct FunctionDef {
    std::string name;  // upper case once registered
    int minArgs = 0;
    int maxArgs = 0;
    FunctionImpl impl;
    bool custom = false;  // registered by a caller of the engine, removed by removeCustom
    // Arguments that name cells rather than read them, by argument count: bit i set means a
    // bare cell reference as argument i (from 0) is no dependency of the calling cell.  Null:
    // every reference is read.
    uint32_t (*namedCells)(int argCount) = nullptr;
    ReferenceImpl refImpl{};  // when set, called instead of impl
};

// Names are case-insensitive.  A registry is a plain value: a sheet starts from a copy of
// builtinFunctions() and adds its own custom functions.
class FunctionRegistry {
public:
    // Adds or replaces a function.  Refuses (false) an empty name, a custom function whose name
    // is not a letter followed by letters, digits, '_' or '.' (only built-in operators register
    // under symbols), min < 0, min > max, max above kMaxFunctionArgs or a missing callable.
    bool add(FunctionDef def);
    const FunctionDef* find(std::string_view name) const;
    // Removes every function registered with custom = true.
    void removeCustom();
    size_t size() const { return byName_.size(); }

private:
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    // Keys are upper case; look-ups of upper-case names do not allocate.
    std::unordered_map<std::string, FunctionDef, NameHash, std::equal_to<>> byName_;
};

// The built-in functions and operators ("+", "-", "*", "/", "^", "&", "=", "<>", "<", ">",
// "<=", ">=", and the one-operand "u-", "u+", "%"); the rest are named functions).
const FunctionRegistry& builtinFunctions();

}  // namespace sheet
