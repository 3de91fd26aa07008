// A workbook is parsed in a child process: liborcus can crash on a damaged file (the fuzz
// target found such files), and a crash must not take the program that opened the file with
// it.  The child fills a new sheet and sends it back with the read's notes in a compact binary
// answer (file/workbook_answer.h), which the parent checks as untrusted input while it fills
// the caller's sheet.  A child that dies, stops answering or sends something incomplete or
// malformed gives an error, and the caller's sheet is unchanged.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"

namespace sheet {

// How long a child may take before it is stopped.
constexpr int kWorkbookReadSeconds = 300;

// Runs `read` (which fills the sheet it is given and adds its notes) in a child process and
// takes over its sheet and notes.
FileResult readInChildProcess(Sheet& sheet, const std::function<FileResult(Sheet&, std::vector<std::string>&)>& read,
                              std::vector<std::string>* notes);

}  // namespace sheet
