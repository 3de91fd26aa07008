// Resource and control ids of the module's own resources, shared by the resource script and
// the C++ code.  The numbers are the ones the package's callers and stored files rely on.
#pragma once

// Pictures of the two states of a check-box cell: 8134 is the ticked box, 8136 the empty one
// (Kv_Spread and the macro dialogs' property sheets load them by these numbers).
#define IDB_CHECK_ON 8134
#define IDB_CHECK_OFF 8136
