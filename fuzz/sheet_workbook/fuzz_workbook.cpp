// The workbook reader takes any bytes: liborcus' parsing and the engine's filling either load
// a sheet or fail with a result, and a failed load leaves the sheet as it was.  The format is
// taken from the bytes: a zip archive holding content.xml is an open document, another zip an
// .xlsx, anything else a Gnumeric file.
//
// The engine's callers read a workbook in a child process: liborcus stops the process on some
// damaged .ods files (a style property in a style of an unknown family), and the child keeps
// that from the caller, who gets an error.  Here an .ods input is read that way first; one the
// child survives, and every other input, is read in process, so that the fuzzer sees the
// coverage of the parsing and the filling (a fork per input of a sanitized fuzzer is slow:
// about a hundredth of the in-process rate, hence only for .ods).  Every sheet read in process
// also crosses the child's answer, which must give it back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "file/workbook_answer.h"
#include "file/workbook_reader.h"
#include "sheet/sheet.h"
#include "sheet/workbook_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sheet::FileFormat format = sheet::FileFormat::Gnumeric;
    if (bytes.starts_with("PK"))
        format = bytes.find("content.xml") != std::string_view::npos ? sheet::FileFormat::Ods : sheet::FileFormat::Xlsx;
    sheet::Sheet isolated;
    isolated.setData({1, 1}, "sentinel");
    const std::string before = sheet::writeSheetText(isolated);
    std::vector<std::string> notes;
    const bool throughChild = format == sheet::FileFormat::Ods;
    sheet::FileResult contained;
    if (throughChild) {
        contained = sheet::readWorkbook(isolated, bytes, format, {}, &notes);
        if (!contained.ok && sheet::writeSheetText(isolated) != before) std::abort();
        if (!contained.ok && contained.error.find("its reader stopped") != std::string::npos) return 0;
    }

    sheet::Sheet s;
    s.setData({1, 1}, "sentinel");
    auto r = sheet::readWorkbookInProcess(s, bytes, format, {}, &notes);
    if (throughChild && r.ok != contained.ok) std::abort();
    if (!r.ok && sheet::writeSheetText(s) != before) std::abort();
    if (r.ok) {
        // What was loaded is a sheet like any other: it writes, reads back and computes, and the
        // child's copy is the same sheet.
        const std::string text = sheet::writeSheetText(s);
        if (throughChild && text != sheet::writeSheetText(isolated)) std::abort();
        sheet::Sheet again;
        if (!sheet::readSheetText(again, text).ok) std::abort();
        // The child's answer carries every sheet a read can give, unchanged.
        sheet::Sheet handed;
        if (!sheet::readWorkbookAnswer(handed, sheet::writeWorkbookAnswer(r, s, notes), nullptr).ok ||
            sheet::writeSheetText(handed) != text)
            std::abort();
        s.recalcAll();
    }
    return 0;
}
