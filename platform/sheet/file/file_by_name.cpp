// The format of a file chosen by its name, for every caller that loads or saves by name (the
// engine's file calls, the kvsheet tool).
#include <strings.h>

#include "sheet/workbook_file.h"

namespace sheet {

namespace {

bool endsWith(std::string_view path, std::string_view extension) {
    return path.size() >= extension.size() &&
           ::strncasecmp(path.data() + path.size() - extension.size(), extension.data(), extension.size()) == 0;
}

bool isWorkbook(FileFormat f) { return f == FileFormat::Xlsx || f == FileFormat::Ods || f == FileFormat::Gnumeric; }

}  // namespace

FileFormat fileFormatOf(std::string_view path) {
    if (endsWith(path, ".csv")) return FileFormat::Csv;
    if (endsWith(path, ".xlsx")) return FileFormat::Xlsx;
    if (endsWith(path, ".ods")) return FileFormat::Ods;
    if (endsWith(path, ".gnumeric")) return FileFormat::Gnumeric;
    return FileFormat::Native;
}

SheetPath splitSheetPath(std::string_view text) {
    size_t hash = text.rfind('#');
    if (hash != std::string_view::npos && hash + 1 < text.size() && isWorkbook(fileFormatOf(text.substr(0, hash))))
        return {std::string(text.substr(0, hash)), std::string(text.substr(hash + 1))};
    return {std::string(text), {}};
}

FileResult loadFileByName(Sheet& sheet, const std::string& pathWithSheet, std::vector<std::string>* notes) {
    SheetPath p = splitSheetPath(pathWithSheet);
    switch (fileFormatOf(p.file)) {
    case FileFormat::Csv: return loadCsvFile(sheet, p.file);
    case FileFormat::Native: return loadSheetFile(sheet, p.file);
    default: return loadWorkbookFile(sheet, p.file, p.sheet, notes);
    }
}

FileResult saveFileByName(const Sheet& sheet, const std::string& path) {
    switch (fileFormatOf(path)) {
    case FileFormat::Csv: return saveCsvFile(sheet, path);
    case FileFormat::Xlsx: return saveXlsxFile(sheet, path);
    case FileFormat::Native: return saveSheetFile(sheet, path);
    default: return FileResult{false, path + ": .ods and .gnumeric workbooks are read, not written", 0};
    }
}

}  // namespace sheet
