// The table file reader on arbitrary bytes: never a crash; whatever it accepts writes back and
// reads to the same rows, and a refused text leaves the rows untouched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Kv_TableRows sentinel{{"sentinel"}};
    Kv_TableRows rows = sentinel;
    if (!parseTableText(text, rows)) {
        if (!(rows == sentinel)) std::abort();
        return 0;
    }
    Kv_TableRows again;
    if (!parseTableText(formatTableText(rows), again) || !(again == rows)) std::abort();
    return 0;
}
