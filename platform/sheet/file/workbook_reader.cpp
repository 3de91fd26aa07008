// Reads one sheet of an .xlsx, .ods or .gnumeric workbook through liborcus into a new sheet,
// which replaces the caller's sheet only when the whole workbook was read.  The reading runs
// in a child process (file/workbook_isolation.h).
#include <orcus/orcus_gnumeric.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>

#include <exception>

#include "file/workbook_container.h"
#include "file/workbook_filler.h"
#include "file/workbook_isolation.h"
#include "file/workbook_reader.h"
#include "sheet/workbook_file.h"

namespace sheet {

namespace {

FileResult failure(std::string why) { return FileResult{false, std::move(why), 0}; }

std::string joined(const std::vector<std::string>& items, size_t most) {
    std::string out;
    for (size_t i = 0; i < items.size() && i < most; ++i) out += (i ? ", " : "") + items[i];
    if (items.size() > most) out += " and " + std::to_string(items.size() - most) + " more";
    return out;
}

void describe(const WorkbookNotes& n, std::vector<std::string>& out) {
    if (n.replacedCharacters)
        out.push_back(std::to_string(n.replacedCharacters) +
                      " character(s) without a code page 1252 form were replaced by '?'");
    if (!n.unknownFunctions.empty())
        out.push_back("functions the engine does not know, kept with the file's results: " +
                      joined({n.unknownFunctions.begin(), n.unknownFunctions.end()}, 20));
    if (!n.unparsedFormulas.empty())
        out.push_back("formulas the engine cannot read, kept as texts: " + joined(n.unparsedFormulas, 10));
    if (!n.arrayFormulas.empty()) out.push_back("array formulas kept as their values: " + joined(n.arrayFormulas, 10));
}

}  // namespace

FileResult readWorkbookInProcess(Sheet& sheet, std::string_view bytes, FileFormat format, std::string_view sheetName,
                                 std::vector<std::string>* notes) {
    std::string problem;
    switch (format) {
    case FileFormat::Xlsx: problem = zipArchiveProblem(bytes, false); break;
    case FileFormat::Ods: problem = zipArchiveProblem(bytes, true); break;
    case FileFormat::Gnumeric: problem = gzipStreamProblem(bytes); break;
    default: return failure("not a workbook format");
    }
    if (!problem.empty()) return failure(problem);

    Sheet fresh;
    try {
        WorkbookFiller filler(fresh, std::string(sheetName),
                              format == FileFormat::Ods ? FormulaDialect::OpenDocument : FormulaDialect::A1);
        switch (format) {
        case FileFormat::Xlsx: orcus::orcus_xlsx(&filler).read_stream(bytes); break;
        case FileFormat::Ods: orcus::orcus_ods(&filler).read_stream(bytes); break;
        default: orcus::orcus_gnumeric(&filler).read_stream(bytes); break;
        }
        filler.finish();
        if (notes) describe(filler.notes(), *notes);
    } catch (const WorkbookError& e) {
        return failure(e.what());
    } catch (const std::bad_alloc&) {
        return failure("the workbook is too large to read");
    } catch (const std::exception& e) {
        return failure(std::string("the workbook is damaged (") + e.what() + ")");
    }
    sheet.swap(fresh);
    return FileResult{true, {}, 0};
}

FileResult readWorkbook(Sheet& sheet, std::string_view bytes, FileFormat format, std::string_view sheetName,
                        std::vector<std::string>* notes) {
    return readInChildProcess(
        sheet,
        [&](Sheet& fresh, std::vector<std::string>& found) {
            return readWorkbookInProcess(fresh, bytes, format, sheetName, &found);
        },
        notes);
}

FileResult loadWorkbookFile(Sheet& sheet, const std::string& path, std::string_view sheetName,
                            std::vector<std::string>* notes) {
    std::string bytes;
    FileResult read = readFileWhole(path, bytes);
    if (!read.ok) return read;
    FileResult r = readWorkbook(sheet, bytes, fileFormatOf(path), sheetName, notes);
    if (!r.ok) r.error = path + ": " + r.error;
    return r;
}

}  // namespace sheet
