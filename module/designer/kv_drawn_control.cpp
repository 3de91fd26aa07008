#include "designer/kv_drawn_control.h"

#include "win/winuser.h"

Kv_DrawnControl::Kv_DrawnControl(HWND window) : m_window(window) { rect = windowRect(); }

Kv_DrawnControl::~Kv_DrawnControl() {
    // The dialog may already be gone (and its children with it); a stale handle is harmless.
    if (m_window != nullptr && IsWindow(m_window)) DestroyWindow(m_window);
}

int Kv_DrawnControl::id() const { return IsWindow(m_window) ? GetDlgCtrlID(m_window) : 0; }

RECT Kv_DrawnControl::windowRect() const {
    RECT r;
    if (!IsWindow(m_window) || !GetWindowRect(m_window, &r)) return r;
    HWND parent = GetParent(m_window);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    if (parent != nullptr) MapWindowPoints(nullptr, parent, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}
