// Feeds arbitrary text to the resource script parser: it must accept or refuse with a line
// and a reason, never crash, hang or read outside the text.

#include "win/resource.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    win::ResourceTable table;
    win::ScriptError err;
    // A folder that does not exist: every file reference fails cleanly.
    bool ok = win::parseResourceScript(text, "fuzz.rc", "/nonexistent-fuzz-dir", table, err);
    if (!ok && (err.line < 0 || err.reason.empty())) __builtin_trap();
    return 0;
}
