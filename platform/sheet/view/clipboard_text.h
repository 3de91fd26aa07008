// The tab-separated text a block of cells travels in through the clipboard: cells separated by
// tabs, rows ended by CR LF, and a cell whose text holds a tab, a line break or begins with a
// double quote written in double quotes with its quotes doubled (the common convention of
// spreadsheet programs), so that such texts come back whole.
#pragma once

#include <string>
#include <vector>

namespace sheet {

using TextTable = std::vector<std::vector<std::string>>;

std::string clipboardTextOf(const TextTable& rows);
// Reads the text back into rows of cells.  A quoted cell may hold tabs and line breaks; a
// final line break ends the last row without starting another.
TextTable tableOfClipboardText(const std::string& text);

}  // namespace sheet
