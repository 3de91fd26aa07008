#pragma once
// The class layer over the window system: one include for code written against it.

#include "win/afx/cdc.h"
#include "win/afx/cdialog.h"
#include "win/afx/cmenu.h"
#include "win/afx/controls.h"
#include "win/afx/cwnd.h"
#include "win/afx/dialogs.h"
#include "win/afx/geometry.h"
#include "win/afx/tracker.h"
#include "win/commdlg.h"
#include "win/types.h"
#include "win/wingdi.h"
#include "win/winuser.h"
