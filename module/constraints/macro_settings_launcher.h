#pragma once
// The constraint editor's general settings: reads the macro's settings from the core library,
// runs the macro settings dialog over them, and writes them back once on OK.  When the core
// cannot read them, the dialog does not open and nothing is written (defaults shown in the
// dialog would otherwise replace the macro's settings on OK).

#include "host/object_id.h"
#include "win/afxwin.h"

namespace constraints {

// True when the dialog ended with OK and the settings were written.
bool editMacroSettings(AcDbObjectId macroId, CWnd* parent);

}  // namespace constraints
