#pragma once
// Callable exports: how a program that loads the module by name (the host program, kvhost)
// reaches the module's exported functions.  Those functions have C++ signatures over records,
// which a loader cannot call from a name alone, so the module publishes a table of adapters:
// each takes its arguments as JSON text and gives its outputs as JSON text.
//
//   extern "C" const KvCallableExport* kvCallableExports(int* count);
//
// Arguments: a JSON object, one member per argument, records in their JSON form (for example
// {"record": {...}} or {"title": "Name", "textRequired": true}).
// Outputs: a JSON object; "result" holds the function's result (true/false, or null for a
// function returning nothing) and the other members hold what the caller's objects became
// ("record", "text"...).  A bad argument (missing, wrong type, unknown member) makes the
// adapter return false with a reason; the function is then not called.
//
// Only text crosses the boundary, so the loader and the module need not agree on anything
// but this header.  Each exported function registers its adapter next to its definition
// (KvCallableRegistration at namespace scope).

#include <string>

struct KvCallableExport {
    const char* name;     // the exported function's name, e.g. "StartDlgGrid"
    const char* summary;  // one line: what it does and the arguments it takes
    bool (*call)(const std::string& argumentsJson, std::string& outputsJson, std::string& error);
};

extern "C" {
// The table of every adapter the module holds, in registration order; *count receives its
// length.  The table lives as long as the module is loaded.
const KvCallableExport* kvCallableExports(int* count);
}

using KvCallableExportsFunction = const KvCallableExport* (*)(int* count);
inline constexpr const char* kCallableExportsSymbol = "kvCallableExports";

// Registers an adapter when the module is loaded.  Names must be unique; a second adapter of
// the same name replaces the first (the last definition wins, as with a relinked symbol).
class KvCallableRegistration {
public:
    KvCallableRegistration(const char* name, const char* summary,
                           bool (*call)(const std::string&, std::string&, std::string&));
};
