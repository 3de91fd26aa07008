// Reads arbitrary bytes as a stock or purchase file.  Every line must come back as a row of
// at least one cell, never a crash; cells never hold the separator; and rows that can be
// written read back the same.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "cutting/stock_files.h"

namespace {

std::filesystem::path fuzzFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("kv-fuzz-stock-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path file = fuzzFolder() / "fuzz.shp";
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Kv_Array<Kv_StringArray> rows;
    if (!cutting::readRowsFile(Kv_String(file.string()), rows)) return 0;
    bool writable = true;
    for (const Kv_StringArray& row : rows) {
        if (row.isEmpty()) std::abort();
        for (const Kv_String& cell : row) {
            if (cell.findChar(cutting::kCellSeparator) >= 0) std::abort();
            writable = writable && !cutting::cellBreaksLine(cell);
        }
    }
    const Kv_String copy = Kv_String((fuzzFolder() / "copy.shp").string());
    if (writable && cutting::writeRowsFile(copy, rows)) {
        Kv_Array<Kv_StringArray> back;
        if (!cutting::readRowsFile(copy, back) || !(back == rows)) std::abort();
    }
    return 0;
}
