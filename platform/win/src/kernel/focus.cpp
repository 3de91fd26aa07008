// Keyboard focus, activation, mouse capture, key state and the cursor.

#include <algorithm>

#include "kernel/kernel.h"

using namespace win::detail;

HWND SetFocus(HWND hwnd) {
    auto& s = sys();
    HWND old = s.focus;
    if (hwnd && !window(hwnd)) return nullptr;
    if (hwnd) {
        HWND top = rootOf(hwnd);
        if (top != s.active) {
            SetActiveWindow(top);
            old = s.focus;
        }
    }
    if (old == hwnd) return old;
    s.focus = hwnd;
    if (old && window(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && s.focus == hwnd && window(hwnd)) SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    if (s.focus == hwnd) focusChanged(old, hwnd);
    return old;
}

HWND GetFocus() { return sys().focus; }

namespace win::detail {

void raiseTopLevel(HWND top) {
    auto& list = sys().topLevel;
    auto ownedBy = [](HWND h, HWND owner) {
        for (Window* w = window(h); w && w->owner; w = window(w->owner))
            if (w->owner == owner) return true;
        return false;
    };
    // The raised window and its owned windows keep their order among themselves.
    std::vector<HWND> family;
    for (HWND h : list)
        if (h == top || ownedBy(h, top)) family.push_back(h);
    if (std::find(family.begin(), family.end(), top) == family.end()) return;
    family.erase(std::remove(family.begin(), family.end(), top), family.end());
    family.push_back(top);
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](HWND h) { return std::find(family.begin(), family.end(), h) != family.end(); }),
               list.end());
    list.insert(list.begin(), family.begin(), family.end());
    // A window owned by a topmost window is topmost too (a message box of a topmost dialog).
    std::stable_partition(list.begin(), list.end(), [](HWND h) {
        for (Window* w = window(h); w; w = window(w->owner))
            if (w->exStyle & WS_EX_TOPMOST) return true;
        return false;
    });
}

}  // namespace win::detail

HWND SetActiveWindow(HWND hwnd) {
    auto& s = sys();
    HWND old = s.active;
    HWND top = hwnd ? rootOf(hwnd) : nullptr;
    if (hwnd && !top) return nullptr;
    if (top == old) return old;
    s.active = top;
    if (top) raiseTopLevel(top);
    if (old && window(old)) SendMessage(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(top));
    if (top && s.active == top && window(top)) SendMessage(top, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
    // Focus inside a window that is no longer active goes with it.
    if (s.focus && rootOf(s.focus) != s.active && s.active == top) {
        HWND lost = s.focus;
        s.focus = nullptr;
        SendMessage(lost, WM_KILLFOCUS, 0, 0);
    }
    return old;
}

HWND GetActiveWindow() { return sys().active; }
BOOL SetForegroundWindow(HWND hwnd) { return SetActiveWindow(hwnd) != nullptr || GetActiveWindow() == rootOf(hwnd); }
HWND GetForegroundWindow() { return sys().active; }

HWND SetCapture(HWND hwnd) {
    auto& s = sys();
    HWND old = s.capture;
    if (!window(hwnd)) return old;
    s.capture = hwnd;
    if (old && old != hwnd) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

HWND GetCapture() { return sys().capture; }

BOOL ReleaseCapture() {
    auto& s = sys();
    HWND old = s.capture;
    s.capture = nullptr;
    if (old && window(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

SHORT GetKeyState(int vk) {
    if (vk < 0 || vk > 255) return 0;
    uint8_t k = sys().keys[static_cast<size_t>(vk)];
    SHORT r = (k & 0x80) ? static_cast<SHORT>(0x8000) : 0;
    if (k & 0x01) r = static_cast<SHORT>(r | 1);
    return r;
}

SHORT GetAsyncKeyState(int vk) { return GetKeyState(vk); }

BOOL GetCursorPos(LPPOINT pt) {
    if (!pt) return FALSE;
    *pt = sys().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    sys().cursor = POINT{x, y};
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = sys().cursorHandle;
    sys().cursorHandle = cursor;
    return old;
}

HCURSOR GetCursor() { return sys().cursorHandle; }

BOOL MessageBeep(UINT) { return TRUE; }
