// Helpers shared by the standard controls.

#include <algorithm>

#include "base/case_fold.h"
#include "controls/controls.h"
#include "win/wingdi.h"

namespace win::detail {

FontSpec windowFont(HWND hwnd) {
    Window* w = window(hwnd);
    return fontOf(w ? w->font : nullptr);
}

int itemHeightFor(HWND hwnd) { return windowFont(hwnd).height + 3; }

std::vector<HWND> groupOf(HWND control) {
    Window* w = window(control);
    if (!w || !w->parent) return {control};
    const auto& siblings = window(w->parent)->children;
    auto pos = std::find(siblings.begin(), siblings.end(), control);
    if (pos == siblings.end()) return {control};
    auto first = pos;
    while (first != siblings.begin()) {
        Window* f = window(*first);
        if (f && (f->style & WS_GROUP)) break;
        --first;
    }
    std::vector<HWND> group{*first};
    for (auto it = first + 1; it != siblings.end(); ++it) {
        Window* s = window(*it);
        if (s && (s->style & WS_GROUP)) break;
        group.push_back(*it);
    }
    return group;
}

void paintOwnerDrawn(HWND hwnd, UINT controlType, UINT itemId, UINT state, ULONG_PTR itemData) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    Window* w = window(hwnd);
    if (w && w->parent) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = controlType;
        dis.CtlID = static_cast<UINT>(w->id);
        dis.itemID = itemId;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = state | (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED) | (GetFocus() == hwnd ? ODS_FOCUS : 0);
        dis.hwndItem = hwnd;
        dis.hDC = dc;
        GetClientRect(hwnd, &dis.rcItem);
        dis.itemData = itemData;
        SendMessage(w->parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    }
    EndPaint(hwnd, &ps);
}

int findItem(const std::vector<ListItem>& items, int start, const std::string& text, bool exact) {
    int n = static_cast<int>(items.size());
    if (n == 0) return -1;
    int from = (start < 0 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        int i = (from + k) % n;
        const std::string& t = items[static_cast<size_t>(i)].text;
        if (exact ? base::compareIgnoringCase(t, text) == 0 : base::startsWithIgnoringCase(t, text)) return i;
    }
    return -1;
}

int insertPosition(const std::vector<ListItem>& items, const std::string& text, bool sorted) {
    if (!sorted) return static_cast<int>(items.size());
    auto it = std::upper_bound(items.begin(), items.end(), text, [](const std::string& t, const ListItem& item) {
        return base::compareIgnoringCase(t, item.text) < 0;
    });
    return static_cast<int>(it - items.begin());
}

}  // namespace win::detail
