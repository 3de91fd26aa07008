#pragma once
// The core library's table files: a text file of lines, each line a row of cells.  Section
// family tables (".pr") and other tables of the package are stored this way; what the lines
// mean is up to the caller.
//
// Format (code page 1252 bytes, one row per line, lines end in "\r\n"; "\n" and a last line
// without an end are read too):
// - cells are separated by one tab; an empty line is a row without cells;
// - inside a cell, a backslash starts an escape: \\ \t \n \r and \xHH (two hex digits) stand
//   for a backslash, a tab, a line feed, a carriage return and any byte; the writer escapes
//   tabs, line breaks, backslashes and every byte below 0x20 and 0x7F, so any cell text
//   survives the round trip;
// - a line that is exactly "\e" is a row of one empty cell (an empty line would read back as
//   a row without cells).
// A line holding an unknown or cut-short escape, or a raw control byte other than the tab,
// is not a table line: the whole read fails and changes nothing.

#include <string>
#include <string_view>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

using Kv_TableRows = Kv_Array<Kv_StringArray>;

// Reads the table file at path (a package path, see file_layer.h).  On success rows holds
// one entry per line and name the file's name without folder and extension ("prof\IPE.pr"
// gives "IPE").  On failure (missing file, bad line) name and rows are left as they were.
bool readFile(const Kv_String& path, Kv_String& name, Kv_TableRows& rows);

// Writes rows to path, replacing the file whole or not at all (temporary file beside it, then
// rename); missing parent folders are created.
bool writeFile(const Kv_String& path, const Kv_TableRows& rows);

// The text forms of the two above, for callers that keep tables elsewhere.
// parseTableText leaves rows untouched when it returns false; badLine (1-based) names the
// first line it refused.
bool parseTableText(std::string_view text, Kv_TableRows& rows, int* badLine = nullptr);
std::string formatTableText(const Kv_TableRows& rows);
