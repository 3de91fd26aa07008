// Files of a sheet: the engine's own format (docs/sheet-engine.md describes it) and CSV.
// Saving writes a complete temporary file beside the target and renames it over the target,
// so a failure never leaves half a file.  Loading reads and checks the whole file into a new
// sheet first and only then replaces the sheet's content; a missing, truncated, malformed or
// other-version file fails with a result and leaves the sheet as it was.
#pragma once

#include <string>
#include <string_view>

#include "sheet/sheet.h"

namespace sheet {

struct FileResult {
    bool ok = false;
    std::string error;  // what went wrong, for the user
    int line = 0;       // the line of the file where reading failed (0: not a line's fault)
};

constexpr int kSheetFileVersion = 1;
// Files larger than this are refused unread.
constexpr size_t kMaxSheetFileBytes = size_t{1} << 31;

// The sheet in the engine's format.
std::string writeSheetText(const Sheet& sheet);
// Replaces the sheet by the one the text describes.  The loaded sheet has the built-in
// functions only: custom functions are registered per sheet by whoever uses it.
FileResult readSheetText(Sheet& sheet, std::string_view text);
FileResult saveSheetFile(const Sheet& sheet, const std::string& path);
FileResult loadSheetFile(Sheet& sheet, const std::string& path);

// CSV (comma separated, fields with commas, quotes or line breaks in double quotes).  Each
// record is a row from row 1, each field a column from column 1.  Loading replaces the sheet
// (sized to the file) and enters every field as data, so "=..." fields become formulas; the
// formulas are computed before the call returns.
FileResult readCsvText(Sheet& sheet, std::string_view text);
FileResult loadCsvFile(Sheet& sheet, const std::string& path);
// Values (formula results, constants as typed) of rows 1..maxRows, columns 1..maxCols, with
// trailing empty fields and rows left out.
std::string writeCsvText(const Sheet& sheet);
FileResult saveCsvFile(const Sheet& sheet, const std::string& path);

// Writes the bytes to `path` whole or not at all (base::writeFileWhole).
FileResult writeFileWhole(const std::string& path, std::string_view bytes);
// Reads a whole file (refusing ones above kMaxSheetFileBytes).
FileResult readFileWhole(const std::string& path, std::string& bytes);

}  // namespace sheet
