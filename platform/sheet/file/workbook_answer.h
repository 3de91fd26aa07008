// The answer a workbook reader's child process sends its parent (file/workbook_isolation.h):
// the outcome, the read's notes and the sheet it filled, in a compact binary form.  Numbers are
// 8-byte doubles, texts are length-prefixed code page 1252 bytes, formulas travel as their A1
// text with their results, so that the parent only copies what the child computed.
//
// The parent treats the answer as untrusted input: a child can die half way or be made to
// write anything by a damaged file.  Every count, length, position, format number and kind is
// checked against what is left of the answer and the engine's limits; a malformed answer is an
// error and leaves the caller's sheet unchanged.
//
// The answer carries what a workbook read can give a sheet: size, options, looks, column
// widths, row heights, spans, cells (values, texts as typed, formulas with results) and tags.
// A sheet's view settings and active cell stay as a new sheet has them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"

namespace sheet {

// The child's answer: the outcome of its read; when it succeeded, also the notes and `sheet`.
std::string writeWorkbookAnswer(const FileResult& outcome, const Sheet& sheet, const std::vector<std::string>& notes);

// Takes over an answer: on success `sheet` becomes the answer's sheet and its notes are added
// to `notes`; a failed read gives the child's reason, a malformed answer an error that says so.
// On any failure `sheet` and `notes` are unchanged.
FileResult readWorkbookAnswer(Sheet& sheet, std::string_view answer, std::vector<std::string>* notes);

}  // namespace sheet
