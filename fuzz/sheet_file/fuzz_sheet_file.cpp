// The sheet file and CSV readers take any bytes: they either load a sheet or fail with a
// result, and a failed load leaves the sheet as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    sheet::Sheet s;
    s.setData({1, 1}, "sentinel");
    std::string before = sheet::writeSheetText(s);
    auto r = sheet::readSheetText(s, text);
    if (!r.ok && sheet::writeSheetText(s) != before) std::abort();
    if (r.ok) {
        // What was loaded writes and reads back to the same sheet.
        std::string written = sheet::writeSheetText(s);
        sheet::Sheet again;
        if (!sheet::readSheetText(again, written).ok) std::abort();
        s.recalcAll();
    }
    sheet::Sheet csv;
    if (size < 4096) (void)sheet::readCsvText(csv, text);
    return 0;
}
