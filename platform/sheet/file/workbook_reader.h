// The workbook reader in the calling process, without the child process that readWorkbook
// runs it in: for the fuzz target, which must see the coverage of what it runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/workbook_file.h"

namespace sheet {

FileResult readWorkbookInProcess(Sheet& sheet, std::string_view bytes, FileFormat format, std::string_view sheetName,
                                 std::vector<std::string>* notes);

}  // namespace sheet
