#include "core/dialog_helpers.h"

#include <cstdio>
#include <cstring>

#include "win/constants.h"
#include "win/messages.h"
#include "win/registry.h"
#include "win/styles.h"
#include "win/winuser.h"

namespace {

constexpr int kLargestSize = 16000;

bool usableSize(int width, int height) {
    return width >= 1 && height >= 1 && width <= kLargestSize && height <= kLargestSize;
}

}  // namespace

bool readSavedDlgSize(const Kv_String& name, RECT& rect) {
    if (name.isEmpty()) return false;
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, kvDialogSizesKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    char buffer[128] = {};
    DWORD type = 0, size = sizeof buffer - 1;
    long status = RegQueryValueEx(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return false;
    int x = 0, y = 0, width = 0, height = 0;
    char extra = 0;
    if (std::sscanf(buffer, "%d %d %d %d %c", &x, &y, &width, &height, &extra) != 4) return false;
    if (!usableSize(width, height) || x < -kLargestSize || x > kLargestSize || y < -kLargestSize || y > kLargestSize)
        return false;
    rect = RECT{x, y, x + width, y + height};
    return true;
}

bool ChangeDlgSize(HWND dialog, const Kv_String& name, bool withPosition) {
    if (!IsWindow(dialog)) return false;
    RECT saved{};
    if (!readSavedDlgSize(name, saved)) return false;
    RECT current{};
    GetWindowRect(dialog, &current);
    int width = saved.right - saved.left, height = saved.bottom - saved.top;
    int x = current.left, y = current.top;
    if (withPosition) {
        // A size saved on a larger screen must not put the dialog where nobody can reach it.
        int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
        x = saved.left;
        y = saved.top;
        if (screenWidth > 0 && x + width > screenWidth) x = screenWidth - width;
        if (screenHeight > 0 && y + height > screenHeight) y = screenHeight - height;
        if (x < 0) x = 0;
        if (y < 0) y = 0;
    }
    if (HWND parent = GetParent(dialog); parent && (GetWindowLong(dialog, GWL_STYLE) & WS_CHILD)) {
        POINT corner{x, y};
        ScreenToClient(parent, &corner);
        x = corner.x;
        y = corner.y;
    }
    return MoveWindow(dialog, x, y, width, height, TRUE) != FALSE;
}

bool WriteDlgSize(HWND dialog, const Kv_String& name) {
    if (name.isEmpty() || !IsWindow(dialog)) return false;
    RECT rect{};
    if (!GetWindowRect(dialog, &rect)) return false;
    char text[96];
    std::snprintf(text, sizeof text, "%d %d %d %d", static_cast<int>(rect.left), static_cast<int>(rect.top),
                  static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top));
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, kvDialogSizesKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                       &key, nullptr) != ERROR_SUCCESS)
        return false;
    long status = RegSetValueEx(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool getDlgSize(HWND dialog, int& width, int& height, bool wholeWindow) {
    if (!IsWindow(dialog)) return false;
    RECT rect{};
    if (!(wholeWindow ? GetWindowRect(dialog, &rect) : GetClientRect(dialog, &rect))) return false;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    return true;
}

bool getSafeDlgSize(HWND dialog, int& width, int& height) {
    if (!getDlgSize(dialog, width, height, true)) {
        width = 200;
        height = 130;
        return false;
    }
    if (width < 50) width = 50;
    if (height < 50) height = 50;
    return true;
}

bool ShowOrHideCtrl(HWND dialog, int controlId, bool show) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) return false;
    ShowWindow(control, show ? SW_SHOW : SW_HIDE);
    return true;
}

bool EnDisCtrl(HWND dialog, int controlId, bool enable) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) return false;
    EnableWindow(control, enable ? TRUE : FALSE);
    return true;
}

bool disableTriState(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) return false;
    LONG style = GetWindowLong(control, GWL_STYLE);
    LONG kind = style & BS_TYPEMASK;
    LONG twoState;
    if (kind == static_cast<LONG>(BS_AUTO3STATE))
        twoState = BS_AUTOCHECKBOX;
    else if (kind == static_cast<LONG>(BS_3STATE))
        twoState = BS_CHECKBOX;
    else if (kind == static_cast<LONG>(BS_AUTOCHECKBOX) || kind == static_cast<LONG>(BS_CHECKBOX))
        twoState = kind;
    else
        return false;
    if (SendMessage(control, BM_GETCHECK, 0, 0) == BST_INDETERMINATE)
        SendMessage(control, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessage(control, BM_SETSTYLE, static_cast<WPARAM>((style & ~BS_TYPEMASK) | twoState), TRUE);
    return true;
}

bool FillCombo(HWND dialog, int controlId, const Kv_StringArray& entries, int select) {
    HWND combo = GetDlgItem(dialog, controlId);
    if (!combo) return false;
    SendMessage(combo, CB_RESETCONTENT, 0, 0);
    for (const Kv_String& entry : entries) SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(entries.isValidIndex(select) ? select : -1), 0);
    return true;
}

bool FillCombo(HWND dialog, int controlId, const Kv_Array<int>& numbers, int select) {
    Kv_StringArray entries;
    for (int number : numbers) entries.append(Kv_String(number));
    return FillCombo(dialog, controlId, entries, select);
}

bool FillCombo(HWND dialog, int controlId, const Kv_Array<double>& numbers, int decimals, int select) {
    Kv_StringArray entries;
    for (double number : numbers) entries.append(Kv_String(number, decimals));
    return FillCombo(dialog, controlId, entries, select);
}
