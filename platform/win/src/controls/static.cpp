// The STATIC class: text, icons, bitmaps and frames.  Statics do not take the mouse unless
// they have SS_NOTIFY: a click passes through to what lies beneath, as on Windows.

#include <cstdlib>

#include "controls/controls.h"
#include "paint/gdi.h"

namespace win::detail {

namespace {

struct StaticData : ControlData {
    HANDLE image = nullptr;
    UINT imageType = IMAGE_ICON;
};

UINT typeOf(const Window& w) { return w.style & SS_TYPEMASK; }

// An icon or bitmap static names its picture by resource number ("8134" or "#8134").
int resourceNumber(const std::string& text) {
    std::string s = !text.empty() && text[0] == '#' ? text.substr(1) : text;
    if (s.empty()) return 0;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    return (end && *end == '\0' && v > 0 && v < 65536) ? static_cast<int>(v) : 0;
}

void fitToImage(HWND hwnd) {
    Window* w = window(hwnd);
    auto* d = dataOf<StaticData>(hwnd);
    if (!w || !d || !d->image) return;
    if (w->style & (SS_CENTERIMAGE | SS_REALSIZECONTROL)) return;
    auto bmp =
        d->imageType == IMAGE_BITMAP ? bitmapOf(static_cast<HBITMAP>(d->image)) : iconOf(static_cast<HICON>(d->image));
    if (!bmp) return;
    SetWindowPos(hwnd, nullptr, 0, 0, bmp->width, bmp->height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

LRESULT staticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    if (msg == WM_NCCREATE) w->data = std::make_unique<StaticData>();
    auto* d = dataOf<StaticData>(hwnd);
    if (!d) return DefWindowProc(hwnd, msg, wParam, lParam);
    UINT type = typeOf(*w);
    switch (msg) {
    case WM_CREATE:
        if (type == SS_ICON || type == SS_BITMAP) {
            int id = resourceNumber(w->text);
            if (id) {
                if (type == SS_ICON) {
                    d->image = loadIconResource(id);
                    d->imageType = IMAGE_ICON;
                } else {
                    d->image = loadBitmapResource(id);
                    d->imageType = IMAGE_BITMAP;
                }
                fitToImage(hwnd);
            }
        }
        return 0;
    case WM_NCHITTEST: return (w->style & SS_NOTIFY) ? DefWindowProc(hwnd, msg, wParam, lParam) : HTTRANSPARENT;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_LBUTTONDOWN:
        if (w->style & SS_NOTIFY) notifyParent(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (w->style & SS_NOTIFY) notifyParent(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        if (w->style & SS_NOTIFY) notifyParent(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
    case STM_SETICON:
    case STM_SETIMAGE: {
        HANDLE old = d->image;
        d->image = reinterpret_cast<HANDLE>(msg == STM_SETICON ? static_cast<LPARAM>(wParam) : lParam);
        d->imageType = msg == STM_SETICON ? IMAGE_ICON : static_cast<UINT>(wParam);
        fitToImage(hwnd);
        invalidateTree(hwnd, true);
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON: return d->imageType == IMAGE_ICON ? reinterpret_cast<LRESULT>(d->image) : 0;
    case STM_GETIMAGE: return static_cast<UINT>(wParam) == d->imageType ? reinterpret_cast<LRESULT>(d->image) : 0;
    case WM_PAINT:
        if (type == SS_OWNERDRAW) {
            paintOwnerDrawn(hwnd, ODT_STATIC, 0, 0, 0);
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win::detail
