#pragma once
// The overview report of the stock sets: for every set, its newest stock file and its newest
// purchase file.  Building the report also loads those files into the record, replacing the
// set's rows of the stock and purchase tables (rows edited but not saved are replaced too):
// the report shows what the optimiser will work with.

#include "core/export_start_dlg_info.h"
#include "core/records/dlg_csp2_data.h"

namespace cutting {

// Reads the file into the set's rows of the table (a file that cannot be read leaves the set
// without rows there).
void loadRowsIntoSet(DlgCSP2Data& data, int table, int setId, const Kv_String& path);

// The report lines: a rule of 116 '-', then per set the stock line, an empty line, the
// purchase line and the rule again.  Title and subtitle are texts 652 and 285.
DlgInfoData buildStockOverview(DlgCSP2Data& data);

}  // namespace cutting
