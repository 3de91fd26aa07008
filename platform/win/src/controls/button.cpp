// The BUTTON class: push buttons, check boxes (two and three states, automatic or not), radio
// buttons, group boxes and owner-drawn buttons.  A click is a press and a release inside the
// button; the release changes an automatic button's state and tells the parent BN_CLICKED.

#include "controls/controls.h"
#include "win/button_state_images.h"

namespace win::detail {

namespace {

struct ButtonData : ControlData {
    int check = BST_UNCHECKED;
    bool pushed = false;
    bool tracking = false;  // mouse pressed on the button, waiting for the release
    bool spaceDown = false;
    HANDLE image = nullptr;
    UINT imageType = IMAGE_BITMAP;
    HANDLE stateImages[3] = {};  // per BST_* state; see win/button_state_images.h
};

UINT typeOf(const Window& w) { return w.style & BS_TYPEMASK; }

bool isCheckType(UINT t) {
    return t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE || t == BS_RADIOBUTTON ||
           t == BS_AUTORADIOBUTTON;
}
bool isRadio(UINT t) { return t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON; }

void clicked(HWND hwnd) {
    Window* w = window(hwnd);
    auto* d = dataOf<ButtonData>(hwnd);
    if (!w || !d) return;
    switch (typeOf(*w)) {
    case BS_AUTOCHECKBOX: d->check = d->check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED; break;
    case BS_AUTO3STATE: d->check = (d->check + 1) % 3; break;
    case BS_AUTORADIOBUTTON:
        for (HWND other : groupOf(hwnd)) {
            Window* o = window(other);
            if (other != hwnd && o && o->className == w->className && isRadio(typeOf(*o)))
                SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
        }
        d->check = BST_CHECKED;
        break;
    default: break;
    }
    invalidateTree(hwnd, true);
    notifyParent(hwnd, BN_CLICKED);
}

bool inside(HWND hwnd, LPARAM lParam) {
    RECT r;
    GetClientRect(hwnd, &r);
    return PtInRect(&r, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

}  // namespace

LRESULT buttonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    if (msg == WM_NCCREATE) w->data = std::make_unique<ButtonData>();
    auto* d = dataOf<ButtonData>(hwnd);
    if (!d) return DefWindowProc(hwnd, msg, wParam, lParam);
    UINT type = typeOf(*w);
    switch (msg) {
    case WM_GETDLGCODE:
        if (type == BS_GROUPBOX) return DLGC_STATIC;
        if (isRadio(type)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (type == BS_PUSHBUTTON || type == BS_OWNERDRAW || type == BS_PUSHBOX)
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        return DLGC_BUTTON;
    case WM_NCHITTEST: return type == BS_GROUPBOX ? HTTRANSPARENT : DefWindowProc(hwnd, msg, wParam, lParam);
    case BM_GETCHECK: return isCheckType(type) ? d->check : BST_UNCHECKED;
    case BM_SETCHECK: {
        int v = static_cast<int>(wParam);
        if (!isCheckType(type)) return 0;
        if (v == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE) v = BST_CHECKED;
        d->check = v == BST_UNCHECKED ? BST_UNCHECKED : (v == BST_INDETERMINATE ? BST_INDETERMINATE : BST_CHECKED);
        invalidateTree(hwnd, true);
        return 0;
    }
    case BM_GETSTATE:
        return (isCheckType(type) ? d->check : 0) | (d->pushed ? BST_PUSHED : 0) | (GetFocus() == hwnd ? BST_FOCUS : 0);
    case BM_SETSTATE:
        d->pushed = wParam != 0;
        invalidateTree(hwnd, true);
        return 0;
    case BM_SETSTYLE:
        // Only the button type changes (the dialog makes a button the default one this way);
        // an icon or bitmap button stays one.
        w->style = (w->style & ~0xFu) | static_cast<DWORD>(wParam & 0xF);
        invalidateTree(hwnd, true);
        return 0;
    case BM_CLICK:
        if (!IsWindowEnabled(hwnd)) return 0;
        SendMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessage(hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    case BM_SETIMAGE: {
        HANDLE old = d->image;
        d->image = reinterpret_cast<HANDLE>(lParam);
        d->imageType = static_cast<UINT>(wParam);
        invalidateTree(hwnd, true);
        return reinterpret_cast<LRESULT>(old);
    }
    case BM_SETSTATEIMAGE: {
        if (wParam > static_cast<WPARAM>(BST_INDETERMINATE)) return 0;
        HANDLE old = d->stateImages[wParam];
        d->stateImages[wParam] = reinterpret_cast<HANDLE>(lParam);
        invalidateTree(hwnd, true);
        return reinterpret_cast<LRESULT>(old);
    }
    case BM_GETIMAGE: {
        const int state = isCheckType(type) ? d->check : BST_UNCHECKED;
        if (static_cast<UINT>(wParam) == IMAGE_BITMAP && d->stateImages[state])
            return reinterpret_cast<LRESULT>(d->stateImages[state]);
        return static_cast<UINT>(wParam) == d->imageType ? reinterpret_cast<LRESULT>(d->image) : 0;
    }
    case WM_LBUTTONDBLCLK:
        if (type == BS_GROUPBOX) return 0;
        if (isRadio(type) || type == BS_OWNERDRAW || (w->style & BS_NOTIFY)) {
            notifyParent(hwnd, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (type == BS_GROUPBOX) return 0;
        if (GetFocus() != hwnd) SetFocus(hwnd);
        if (!window(hwnd)) return 0;
        SetCapture(hwnd);
        d->tracking = true;
        d->pushed = true;
        invalidateTree(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (d->tracking) {
            bool in = inside(hwnd, lParam);
            if (in != d->pushed) {
                d->pushed = in;
                invalidateTree(hwnd, true);
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (d->tracking) {
            bool in = inside(hwnd, lParam);
            d->tracking = false;
            d->pushed = false;
            ReleaseCapture();
            invalidateTree(hwnd, true);
            if (in) clicked(hwnd);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (d->tracking && GetCapture() != hwnd) {
            d->tracking = false;
            d->pushed = false;
            invalidateTree(hwnd, true);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && type != BS_GROUPBOX) {
            d->spaceDown = true;
            d->pushed = true;
            invalidateTree(hwnd, true);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && d->spaceDown) {
            d->spaceDown = false;
            d->pushed = false;
            clicked(hwnd);
        }
        return 0;
    case WM_SETFOCUS:
        if (w->style & BS_NOTIFY) notifyParent(hwnd, BN_SETFOCUS);
        invalidateTree(hwnd, false);
        return 0;
    case WM_KILLFOCUS:
        d->spaceDown = false;
        if (d->pushed && !d->tracking) d->pushed = false;
        if (w->style & BS_NOTIFY) notifyParent(hwnd, BN_KILLFOCUS);
        invalidateTree(hwnd, false);
        return 0;
    case WM_PAINT:
        if (type == BS_OWNERDRAW) {
            paintOwnerDrawn(hwnd, ODT_BUTTON, 0, d->pushed ? ODS_SELECTED : 0, 0);
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win::detail
