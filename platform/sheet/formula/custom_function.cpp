// Adapts a callback in the engine's calling convention (argument records in, result record
// out) onto the function registry.
#include "sheet/formula/custom_function.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "area_operands.h"
#include "function_support.h"

namespace sheet {

namespace {

void* heapAlloc(size_t bytes) { return std::malloc(bytes == 0 ? 1 : bytes); }
char* heapLock(void* handle) { return static_cast<char*>(handle); }
void heapUnlock(void*) {}
void heapRelease(void* handle) { std::free(handle); }

MemoryBlockFunctions& blockFunctions() {
    static MemoryBlockFunctions functions{heapAlloc, heapLock, heapUnlock, heapRelease};
    return functions;
}

// Fills `rec` with a text in a new block; an error record when no block can be had.
void setText(SSValue& rec, const std::string& text) {
    const MemoryBlockFunctions& mem = blockFunctions();
    void* handle = mem.alloc(text.size() + 1);
    char* bytes = handle ? mem.lock(handle) : nullptr;
    if (!bytes) {
        if (handle) mem.release(handle);
        rec.status = kSSValueError;
        rec.type = kSSValueLong;
        rec.longValue = 0;
        return;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    mem.unlock(handle);
    rec.status = kSSValueOk;
    rec.type = kSSValueString;
    rec.textHandle = handle;
}

void setScalar(SSValue& rec, const Value& v) {
    rec.status = kSSValueOk;
    switch (v.type()) {
    case ValueType::Number: {
        double n = v.asNumber();
        if (n == std::trunc(n) && n >= std::numeric_limits<int32_t>::min() &&
            n <= std::numeric_limits<int32_t>::max()) {
            rec.type = kSSValueLong;
            rec.longValue = static_cast<int32_t>(n);
        } else {
            rec.type = kSSValueDouble;
            rec.doubleValue = n;
        }
        return;
    }
    case ValueType::Text: setText(rec, v.asText()); return;
    case ValueType::Boolean:
        rec.type = kSSValueLong;
        rec.longValue = v.asBool() ? 1 : 0;
        return;
    case ValueType::Empty:
        rec.status = kSSValueEmpty;
        rec.type = kSSValueLong;
        rec.longValue = 0;
        return;
    case ValueType::Error:
        rec.status = kSSValueError;
        rec.type = kSSValueLong;
        rec.longValue = 0;
        return;
    }
}

SSValue argumentRecord(const Operand& a, uint32_t flags) {
    SSValue rec;
    // An array constant or a union has no cells a callback could address.
    if (a.isRef && isAreaOperand(a.ref)) {
        setScalar(rec, a.isRange() ? Value::error(ErrorKind::Value) : a.value);
        return rec;
    }
    if (a.isRange()) {
        rec.type = kSSValueRange;
        rec.range = {a.ref.first.col, a.ref.first.row, a.ref.last.col, a.ref.last.row};
    } else if (a.isRef && (flags & kSSCustomWantsCellRef)) {
        rec.type = kSSValueCell;
        rec.cell = {a.ref.first.col, a.ref.first.row};
    } else {
        setScalar(rec, a.value);
    }
    return rec;
}

// Takes the text out of a string record and frees its block.
Value takeText(SSValue& rec) {
    const MemoryBlockFunctions& mem = blockFunctions();
    if (!rec.textHandle) return Value::error(ErrorKind::Value);
    const char* bytes = mem.lock(rec.textHandle);
    Value v = bytes ? Value::text(bytes) : Value::error(ErrorKind::Value);
    if (bytes) mem.unlock(rec.textHandle);
    mem.release(rec.textHandle);
    rec.textHandle = nullptr;
    return v;
}

Value resultValue(SSValue& rec, bool ran, EvalContext& ctx) {
    // A string block belongs to the engine once returned, whatever the status says.
    Value text;
    if (rec.type == kSSValueString) text = takeText(rec);
    if (!ran || rec.status != kSSValueOk) return Value::error(ErrorKind::Value);
    switch (rec.type) {
    case kSSValueLong: return Value::number(rec.longValue);
    case kSSValueDouble: return numberResult(rec.doubleValue);
    case kSSValueString: return text;
    case kSSValueCell: return ctx.cellValue({rec.cell.col, rec.cell.row});
    default: return Value::error(ErrorKind::Value);
    }
}

}  // namespace

void setMemoryBlockFunctions(const MemoryBlockFunctions& functions) {
    if (functions.alloc && functions.lock && functions.unlock && functions.release) blockFunctions() = functions;
}

const MemoryBlockFunctions& memoryBlockFunctions() { return blockFunctions(); }

namespace {

// Both callback shapes run through this: records in, the call, records out.
template <typename Call>
FunctionDef customDef(std::string_view name, int minArgs, int maxArgs, uint32_t flags, Call call) {
    FunctionDef def;
    def.name = std::string(name);
    def.minArgs = minArgs;
    def.maxArgs = maxArgs;
    def.custom = true;
    def.impl = [call, flags](std::span<const Operand> args, EvalContext& ctx) -> Value {
        std::vector<SSValue> records;
        std::vector<void*> blocks;  // freed after the call even if the callback rewrites records
        records.reserve(args.size());
        for (const Operand& a : args) {
            records.push_back(argumentRecord(a, flags));
            if (records.back().type == kSSValueString) blocks.push_back(records.back().textHandle);
        }
        SSValue result;
        result.status = kSSValueEmpty;
        bool ran = call(ctx, &result, records.empty() ? nullptr : records.data(), static_cast<int16_t>(records.size()));
        for (void* block : blocks) blockFunctions().release(block);
        return resultValue(result, ran, ctx);
    };
    return def;
}

}  // namespace

FunctionDef makeCustomFunction(std::string_view name, int minArgs, int maxArgs, SSCustomFunctionProc proc,
                               uint32_t flags) {
    if (!proc) return FunctionDef{};
    return customDef(
        name, minArgs, maxArgs, flags,
        [proc](EvalContext&, SSValue* result, SSValue* args, int16_t count) { return proc(result, args, count); });
}

FunctionDef makeCustomFunction(std::string_view name, int minArgs, int maxArgs, SSCustomFunctionCallerProc proc,
                               uint32_t flags, void* sheet, uint32_t (*namedCells)(int argCount)) {
    if (!proc) return FunctionDef{};
    FunctionDef def = customDef(name, minArgs, maxArgs, flags,
                                [proc, sheet](EvalContext& ctx, SSValue* result, SSValue* args, int16_t count) {
                                    const CellRef cell = ctx.caller();
                                    const SSCaller caller{sheet, cell.col, cell.row};
                                    return proc(&caller, result, args, count);
                                });
    def.namedCells = namedCells;
    return def;
}

}  // namespace sheet
