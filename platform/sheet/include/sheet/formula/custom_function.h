// Custom functions in the engine's calling convention: the callback receives an array of
// argument records and fills a result record.  makeCustomFunction adapts such a callback onto
// the function registry, where it is called exactly like a built-in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sheet/formula/function_registry.h"

namespace sheet {

// Status of an argument or result record.
enum : int16_t {
    kSSValueOk = 0,     // the value is valid
    kSSValueEmpty = 1,  // nothing could be read (an empty cell or argument; a failed read)
    kSSValueError = 2,  // an error value
};

// Type of an argument or result record.
enum : int16_t {
    kSSValueLong = 0,    // longValue
    kSSValueDouble = 1,  // doubleValue
    kSSValueString = 2,  // textHandle: a movable memory block with a 0-terminated cp1252 text
    kSSValueCell = 3,    // cell: a reference (column, row) into the calling sheet
    kSSValueRange = 4,   // range: (col, row) to (col2, row2) in the calling sheet
};

// The engine's argument and result record.
struct SSValue {
    int16_t status = kSSValueOk;
    int16_t type = kSSValueLong;
    union {
        int32_t longValue;
        double doubleValue;
        void* textHandle;
        struct {
            int32_t col, row;
        } cell;
        struct {
            int32_t col, row, col2, row2;
        } range;
    };
    SSValue() : range{0, 0, 0, 0} {}
};

// result, arguments, argument count.  Returns false when the function could not run.
using SSCustomFunctionProc = bool (*)(SSValue* result, SSValue* args, int16_t argCount);

// Who calls a custom function: the sheet whose formula runs (the handle its owner registered
// the function with; the window layer passes the sheet's window) and the cell being computed.
struct SSCaller {
    void* sheet = nullptr;
    int32_t col = 0, row = 0;
};

// A custom function that is told who calls it.  The plain callback above is this one with the
// caller ignored.
using SSCustomFunctionCallerProc = bool (*)(const SSCaller* caller, SSValue* result, SSValue* args, int16_t argCount);

// Registration flags.  With kSSCustomWantsCellRef a single-cell reference argument arrives as
// a cell record (type 3) instead of the cell's value.  Range arguments always arrive as range
// records (type 4).
constexpr uint32_t kSSCustomWantsCellRef = 1;

// String records live in movable memory blocks, as the host's global memory functions make
// them: the callback may allocate the result's block itself, and the engine frees it after
// reading.  The view layer installs the host's allocator here; the default is the C heap with
// the handle being the block's address.
struct MemoryBlockFunctions {
    void* (*alloc)(size_t bytes);  // a new block, or null
    char* (*lock)(void* handle);   // its bytes, or null
    void (*unlock)(void* handle);
    void (*release)(void* handle);
};
void setMemoryBlockFunctions(const MemoryBlockFunctions& functions);
const MemoryBlockFunctions& memoryBlockFunctions();

// The registry entry for a custom function.  Argument conversion:
//   number: a long when it is a whole number within 32 bits, else a double;
//   text: a string record (block allocated before the call, freed after it);
//   boolean: a long 1 or 0;  empty (missing argument or empty cell): status kSSValueEmpty;
//   error: status kSSValueError, type long 0 (the callback decides);
//   single-cell reference: a cell record with kSSCustomWantsCellRef, else the cell's value;
//   range: a range record.
// Result conversion: status kSSValueOk with long/double -> number, string -> text (the block
// is freed), cell -> that cell's value; a range result, any other status, a false return or
// an unknown type -> #VALUE!.  Argument counts outside minArgs..maxArgs are refused before the
// callback runs (at parse time when the function is already registered, else #VALUE!).
// Returns a def with an empty name when proc is null.
FunctionDef makeCustomFunction(std::string_view name, int minArgs, int maxArgs, SSCustomFunctionProc proc,
                               uint32_t flags);

// The same for a function told who calls it.  `sheet` is handed to it as SSCaller::sheet.
// `namedCells` (may be null) says, by argument count, which arguments name cells instead of
// reading them (FunctionDef::namedCells): such a cell reference arrives as a cell record and
// does not make the calling cell depend on that cell, so a function may name its own caller's
// address, as a cell of another sheet, without a cycle.
FunctionDef makeCustomFunction(std::string_view name, int minArgs, int maxArgs, SSCustomFunctionCallerProc proc,
                               uint32_t flags, void* sheet, uint32_t (*namedCells)(int argCount) = nullptr);

}  // namespace sheet
