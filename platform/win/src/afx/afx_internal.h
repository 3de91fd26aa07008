#pragma once
// Shared bookkeeping of the class layer: the objects attached to windows and the temporary
// wrappers handed out by FromHandle.

#include "win/afxwin.h"

namespace win::afx {

// The next window created attaches to this object before its first message.
void attachNextWindow(CWnd* wnd);
void cancelAttach();
CWnd* permanentWnd(HWND hwnd);

}  // namespace win::afx
