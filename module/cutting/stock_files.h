#pragma once
// The stock and purchase files of the stock sets: where they lie, how they are named and
// numbered, and their line format.
//
// - Each set has a folder: the library folder, "Cutting Stock\", the set's name, "\".
// - Stock files ("shp") hold a set's rows of the stock table, purchase files ("buy") those of
//   the purchase table.  New files are proposed as "Stock<n>.<ext>", n one above the largest
//   number in use for that extension.
// - A path saved to is lowered as a whole and gets ".<ext>" when it lacks it ("Mine" becomes
//   "mine.shp").  A file opened is read under the name it was chosen or found by: "Stock1.buy"
//   chosen in a stock dialog is that file, and "Stock2.shp" named by the overview is not its
//   lowered twin "stock2.shp".
// - One line per row; the cells are joined by the byte 0xBF, which is never quoted or
//   escaped.  Reading splits every line at every 0xBF, so any line reads as a row.

#include <cstdint>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

namespace cutting {

inline constexpr char kCellSeparator = '\xBF';
inline constexpr const char* kStockExtension = "shp";
inline constexpr const char* kPurchaseExtension = "buy";
inline constexpr const char* kNewFilePrefix = "Stock";

// The folder of a set's files (ends in '\').
Kv_String setFolder(const Kv_String& setName);
// False for a name that cannot be a folder of its own below "Cutting Stock\" (empty, with
// separators or other characters a file name cannot hold, "..", ...): such a set has no
// files, so that a name from a record can never lead outside the library's stock folder.
bool hasSetFolder(const Kv_String& setName);
// The path a save writes: lowered whole, ".<extension>" appended when it does not end so.
// Opening reads the file that was chosen or found, as it is spelled.
Kv_String completedFilePath(const Kv_String& path, const Kv_String& extension);
// "Stock<n>.<extension>" in folder, n from nextFileNumber.
Kv_String proposedNewFile(const Kv_String& folder, const Kv_String& extension);

// One more than the largest number n of the files "<prefix><n>....<extension>" in folder
// (a name without leading digits counts as 0), in decimal; "1" for a folder without such
// files.  The number is counted in its digits, never in a machine word, so the name it makes
// is never that of an existing file, whatever numbers the folder holds.
Kv_String nextFileNumber(const Kv_String& folder, const Kv_String& prefix, const Kv_String& extension);
// The full path of the file matching pattern in folder with the latest modification time;
// on a tie the first listed wins; files whose time cannot be read are skipped.  False when no
// file qualifies.
bool findNewestFile(const Kv_String& folder, const Kv_String& pattern, Kv_String& path);
// "%d %B, %Y (%H:%M)" of the time in local time; empty when the time cannot be converted.
Kv_String formatFileTime(std::int64_t secondsSince1970);

// Lines and rows.
Kv_Array<Kv_StringArray> rowsFromLines(const Kv_StringArray& lines);
Kv_String lineFromRow(const Kv_StringArray& row);
// True when the cell text would not read back as written (it holds the separator or a line
// break).
bool cellBreaksLine(const Kv_String& cell);

// Reads a file into rows; false (rows emptied) when it cannot be read.
bool readRowsFile(const Kv_String& path, Kv_Array<Kv_StringArray>& rows);
// Writes rows, one line each, whole or not at all.  Refuses (writes nothing) when a cell
// would not read back as written.
bool writeRowsFile(const Kv_String& path, const Kv_Array<Kv_StringArray>& rows);

}  // namespace cutting
