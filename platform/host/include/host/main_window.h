#pragma once
// The host's main window: the top-level window the drawing lives in, owner of every dialog
// created without a parent.  Available with the window system (KV_HOST_HAS_WINDOWS).  It is
// created on first use and again after the window system was reset.

#include "win/afxwin.h"

namespace host {

CWnd* mainWindow();
HWND mainWindowHandle();

}  // namespace host

// The host's own names for it.
HWND adsw_acadMainWnd();
CWnd* acedGetAcadFrame();
