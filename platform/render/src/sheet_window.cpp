// The sheet engine's window: its grid is drawn from the sheet model that the engine's
// public calls hand out, since the window system cannot describe a grid.

#include "render/window.h"
#include "sheet/ss_api.h"
#include "sheet_grid.h"
#include "record_replay.h"
#include "win/readback.h"
#include "win/winuser.h"

namespace render {

namespace {

void paintSheetWindow(Scene& scene, HWND hwnd, const Rect& client) {
    const sheet::Sheet* model = SSGetSheet(hwnd);
    if (!model) return;
    detail::SheetViewState view;
    view.client = client;
    view.font = detail::fontOf(win::describeWindow(hwnd).font);
    HWND focus = GetFocus();
    view.focused = focus == hwnd || (focus && IsChild(hwnd, focus));
    addGrid(scene, detail::gridOfSheet(*model, view));
}

// Registered when the library loads, so that every picture of a dialog shows its sheets.
const bool registered = [] {
    registerWindowPainter(kSpreadClassName, paintSheetWindow);
    return true;
}();

}  // namespace

}  // namespace render
