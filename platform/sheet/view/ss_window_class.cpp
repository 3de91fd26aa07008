// The registration of the engine's window class, done when the library loads.
#include "view/spread_window.h"
#include "win/winuser.h"

using sheet::CellRef;
using sheet::modelCoord;
using sheet::RangeRef;
using sheet::Sheet;
using sheet::sheetOf;
using sheet::spreadOf;
using sheet::SpreadWindow;

namespace {
const UINT kRegistered = [] { return SSRegisterClass() ? 1u : 0u; }();
}  // namespace

BOOL SSRegisterClass() {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, kSpreadClassName, &existing)) return TRUE;
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = sheet::spreadWindowProc;
    wc.lpszClassName = kSpreadClassName;
    return RegisterClass(&wc) != 0;
}
