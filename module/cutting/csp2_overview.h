#pragma once
// The overview report of the stock sets: for every set, its newest stock file and its newest
// purchase file.  Building the report also loads those files into the record, replacing the
// set's rows of the stock and purchase tables (rows edited but not saved are replaced too):
// the report shows what the optimiser will work with.  A newest file that cannot be read keeps
// the set's rows, and a line under the set's lines says so.

#include "core/export_start_dlg_info.h"
#include "core/records/dlg_csp2_data.h"

namespace cutting {

// Message text that names a stock or purchase file that could not be read.
inline constexpr int kUnreadableFileText = 20140;

// Reads the file into the set's rows of the table.  A file that cannot be read changes
// nothing (the rows stay) and gives false.
bool loadRowsIntoSet(DlgCSP2Data& data, int table, int setId, const Kv_String& path);
// Text kUnreadableFileText followed by the path.
Kv_String unreadableFileText(const Kv_String& path);

// The report lines: a rule of 116 '-', then per set the stock line, an empty line, the
// purchase line and the rule again.  Title and subtitle are texts 652 and 285.
DlgInfoData buildStockOverview(DlgCSP2Data& data);

}  // namespace cutting
