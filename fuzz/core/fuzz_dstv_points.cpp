// Any bytes read as a DSTV point group file: never a crash, and whatever is accepted writes
// back and reads again to the same points (doubles bit for bit).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/records/dlg_dstv_points.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Split as the file layer reads a text file: "\r\n", "\n" or a last line without an end.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Kv_StringArray lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.append(Kv_String(line));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    Kv_DstvPointArray points;
    std::string reason;
    if (!readDstvPointLines(lines, points, reason)) return 0;
    Kv_DstvPointArray again;
    if (!readDstvPointLines(dstvPointLines(points), again, reason) || !(again == points)) std::abort();
    return 0;
}
