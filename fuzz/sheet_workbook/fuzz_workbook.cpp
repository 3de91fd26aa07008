// The workbook reader takes any bytes: liborcus' parsing and the engine's filling either load
// a sheet or fail with a result, and a failed load leaves the sheet as it was.  The format is
// taken from the bytes: a zip archive holding content.xml is an open document, another zip an
// .xlsx, anything else a Gnumeric file.
//
// Each input is read first as the engine's callers read it, in a child process: liborcus
// crashes on some damaged files (a style property in a style of an unknown family, in an .ods),
// and the child keeps that from the caller, who gets an error.  An input the child survives is
// read again in process, so that the fuzzer sees the coverage of the parsing and the filling.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "file/workbook_reader.h"
#include "sheet/sheet.h"
#include "sheet/workbook_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  sheet::FileFormat format = sheet::FileFormat::Gnumeric;
  if (bytes.starts_with("PK"))
    format = bytes.find("content.xml") != std::string_view::npos ? sheet::FileFormat::Ods
                                                                 : sheet::FileFormat::Xlsx;
  sheet::Sheet isolated;
  isolated.setData({1, 1}, "sentinel");
  const std::string before = sheet::writeSheetText(isolated);
  std::vector<std::string> notes;
  auto contained = sheet::readWorkbook(isolated, bytes, format, {}, &notes);
  if (!contained.ok && sheet::writeSheetText(isolated) != before) std::abort();
  if (!contained.ok && contained.error.find("its reader stopped") != std::string::npos) return 0;

  sheet::Sheet s;
  s.setData({1, 1}, "sentinel");
  auto r = sheet::readWorkbookInProcess(s, bytes, format, {}, &notes);
  if (r.ok != contained.ok) std::abort();
  if (!r.ok && sheet::writeSheetText(s) != before) std::abort();
  if (r.ok) {
    // What was loaded is a sheet like any other: it writes, reads back and computes, and the
    // child's copy is the same sheet.
    const std::string text = sheet::writeSheetText(s);
    if (text != sheet::writeSheetText(isolated)) std::abort();
    sheet::Sheet again;
    if (!sheet::readSheetText(again, text).ok) std::abort();
    s.recalcAll();
  }
  return 0;
}
