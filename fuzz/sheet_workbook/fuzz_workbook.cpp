// The workbook reader takes any bytes: liborcus' parsing and the engine's filling either load
// a sheet or fail with a result, and a failed load leaves the sheet as it was.  The format is
// taken from the bytes: a zip archive holding content.xml is an open document, another zip an
// .xlsx, anything else a Gnumeric file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sheet/sheet.h"
#include "sheet/workbook_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  sheet::FileFormat format = sheet::FileFormat::Gnumeric;
  if (bytes.starts_with("PK"))
    format = bytes.find("content.xml") != std::string_view::npos ? sheet::FileFormat::Ods
                                                                 : sheet::FileFormat::Xlsx;
  sheet::Sheet s;
  s.setData({1, 1}, "sentinel");
  std::string before = sheet::writeSheetText(s);
  std::vector<std::string> notes;
  auto r = sheet::readWorkbook(s, bytes, format, {}, &notes);
  if (!r.ok && sheet::writeSheetText(s) != before) std::abort();
  if (r.ok) {
    // What was loaded is a sheet like any other: it writes, reads back and computes.
    sheet::Sheet again;
    if (!sheet::readSheetText(again, sheet::writeSheetText(s)).ok) std::abort();
    s.recalcAll();
  }
  return 0;
}
