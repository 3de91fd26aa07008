#pragma once
// The core library's small cut dialog of a macro's cut constraint: the cut's name and depth,
// OK and Cancel.  OK writes both into the macro model (and the drawing); Cancel, Escape and the
// close box change nothing.  Needs the window system (kvwin).

#include "core/kv_string.h"
#include "host/object_id.h"

// Resource and control ids in the core library's table "kvcore".
inline constexpr int kMacroCutDialogId = 30110;
inline constexpr int kMacroCutNameId = 30111;
inline constexpr int kMacroCutDepthId = 30112;
inline constexpr int kMacroCutNameLabelId = 30113;
inline constexpr int kMacroCutDepthLabelId = 30114;

// Shows the dialog for the constraint (its id in the editor's record) of the module.  False
// when there is no such cut constraint or the dialog was not confirmed.  escapeClosed tells
// whether the Escape key closed it: the key's press reached the dialog, and a window that gets
// the focus back may still hear the same key (the editor skips one Escape then).
bool StartEditMacroCutDlg(AcDbObjectId macroId, const Kv_String& moduleName, int constraintId, bool& escapeClosed);
