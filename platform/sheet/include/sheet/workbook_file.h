// Workbooks of other spreadsheet programs, and the choice of a file's format by its name.
// .xlsx, .ods and .gnumeric workbooks are read through liborcus (one sheet of the workbook:
// the first, or the one named); .xlsx is written with libxlsxwriter.  Reading, like every
// load, replaces the sheet only when the whole file was read; writing, like every save, goes
// through writeFileWhole.  docs/sheet-engine.md lists what each format keeps and loses.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"

namespace sheet {

enum class FileFormat { Native, Csv, Xlsx, Ods, Gnumeric };

// The format a file name stands for, by its extension (case ignored): .csv, .xlsx, .ods,
// .gnumeric; every other name is the engine's own format.
FileFormat fileFormatOf(std::string_view path);

// "book.xlsx#Prices" names the sheet Prices of book.xlsx.  A '#' counts only after the name
// of a workbook format, so other files keep any '#' in their names.
struct SheetPath {
    std::string file;
    std::string sheet;  // empty: the first sheet
};
SheetPath splitSheetPath(std::string_view text);

// Reads one sheet of a workbook (Xlsx, Ods or Gnumeric) held in `bytes`.  `notes` gets the
// lines a person is told once per file: characters replaced because code page 1252 has no
// form for them, functions the engine does not know (their formulas keep the file's results),
// formulas kept as texts because the engine cannot read them, array formulas kept as values.
FileResult readWorkbook(Sheet& sheet, std::string_view bytes, FileFormat format, std::string_view sheetName = {},
                        std::vector<std::string>* notes = nullptr);
// The same from a file; every error names the file.
FileResult loadWorkbookFile(Sheet& sheet, const std::string& path, std::string_view sheetName = {},
                            std::vector<std::string>* notes = nullptr);

// The sheet as an .xlsx workbook of one sheet.  Picture cells bring their picture (a name
// without a folder is looked for beside the workbook).
FileResult saveXlsxFile(const Sheet& sheet, const std::string& path);

// Load and save by the file name's format.  Loading takes "book.xlsx#Sheet" names; saving
// refuses .ods and .gnumeric, which are read only.
FileResult loadFileByName(Sheet& sheet, const std::string& pathWithSheet, std::vector<std::string>* notes = nullptr);
FileResult saveFileByName(const Sheet& sheet, const std::string& path);

}  // namespace sheet
