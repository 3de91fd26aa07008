// The tab control ("SysTabControl32"): a row of tabs over a display area.  Clicking a tab
// asks the parent with TCN_SELCHANGING (which may refuse) and reports TCN_SELCHANGE; setting
// the selection from code notifies nobody, as on Windows.

#include <algorithm>
#include <cstring>

#include "controls/controls.h"

namespace win::detail {

namespace {

constexpr int kPadding = 12;
constexpr int kBorder = 4;

struct TabItem {
    std::string text;
    LPARAM param = 0;
    int image = -1;
};

struct TabData : ControlData {
    std::vector<TabItem> items;
    int current = -1;
    int focus = -1;
    int fixedWidth = 0;
    int stripHeight = 20;
};

int count(const TabData& d) { return static_cast<int>(d.items.size()); }
bool valid(const TabData& d, int i) { return i >= 0 && i < count(d); }

RECT itemRect(HWND hwnd, const TabData& d, int index) {
    FontSpec f = windowFont(hwnd);
    int x = 2;
    for (int i = 0; i < index; ++i)
        x += d.fixedWidth ? d.fixedWidth : measureText(f, d.items[static_cast<size_t>(i)].text).cx + kPadding;
    int width = d.fixedWidth ? d.fixedWidth : measureText(f, d.items[static_cast<size_t>(index)].text).cx + kPadding;
    return RECT{x, 2, x + width, d.stripHeight};
}

LRESULT notify(HWND hwnd, UINT code) {
    Window* w = window(hwnd);
    if (!w || !w->parent) return 0;
    NMHDR nm;
    nm.hwndFrom = hwnd;
    nm.idFrom = static_cast<UINT_PTR>(w->id);
    nm.code = code;
    return SendMessage(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&nm));
}

void selectByUser(HWND hwnd, int i) {
    auto* d = dataOf<TabData>(hwnd);
    if (!d || !valid(*d, i) || i == d->current) return;
    if (notify(hwnd, TCN_SELCHANGING)) return;
    d = dataOf<TabData>(hwnd);
    if (!d || !valid(*d, i)) return;
    d->current = d->focus = i;
    invalidateTree(hwnd, true);
    notify(hwnd, TCN_SELCHANGE);
}

void fillItem(TabItem& item, const TCITEM* in) {
    if (!in) return;
    if ((in->mask & TCIF_TEXT) && in->pszText) item.text = in->pszText;
    if (in->mask & TCIF_PARAM) item.param = in->lParam;
    if (in->mask & TCIF_IMAGE) item.image = in->iImage;
}

}  // namespace

LRESULT tabProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    if (msg == WM_NCCREATE) {
        auto data = std::make_unique<TabData>();
        data->stripHeight = itemHeightFor(hwnd) + 4;
        w->data = std::move(data);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    auto* d = dataOf<TabData>(hwnd);
    if (!d) return DefWindowProc(hwnd, msg, wParam, lParam);
    int index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (msg) {
    case WM_SETFONT:
        DefWindowProc(hwnd, msg, wParam, lParam);
        d->stripHeight = itemHeightFor(hwnd) + 4;
        return 0;
    case TCM_GETITEMCOUNT: return count(*d);
    case TCM_INSERTITEM: {
        if (index < 0) return -1;
        index = std::min(index, count(*d));
        TabItem item;
        fillItem(item, reinterpret_cast<const TCITEM*>(lParam));
        d->items.insert(d->items.begin() + index, item);
        // The first tab becomes the selected one, as on Windows.
        if (d->current < 0)
            d->current = 0;
        else if (d->current >= index && count(*d) > 1)
            ++d->current;
        invalidateTree(hwnd, true);
        return index;
    }
    case TCM_SETITEM:
        if (!valid(*d, index)) return FALSE;
        fillItem(d->items[static_cast<size_t>(index)], reinterpret_cast<const TCITEM*>(lParam));
        invalidateTree(hwnd, true);
        return TRUE;
    case TCM_GETITEM: {
        auto* out = reinterpret_cast<TCITEM*>(lParam);
        if (!valid(*d, index) || !out) return FALSE;
        const TabItem& item = d->items[static_cast<size_t>(index)];
        if ((out->mask & TCIF_TEXT) && out->pszText && out->cchTextMax > 0)
            copyText(item.text, out->pszText, static_cast<size_t>(out->cchTextMax));
        if (out->mask & TCIF_PARAM) out->lParam = item.param;
        if (out->mask & TCIF_IMAGE) out->iImage = item.image;
        return TRUE;
    }
    case TCM_DELETEITEM:
        if (!valid(*d, index)) return FALSE;
        d->items.erase(d->items.begin() + index);
        if (d->current == index)
            d->current = -1;
        else if (d->current > index)
            --d->current;
        invalidateTree(hwnd, true);
        return TRUE;
    case TCM_DELETEALLITEMS:
        d->items.clear();
        d->current = d->focus = -1;
        invalidateTree(hwnd, true);
        return TRUE;
    case TCM_GETCURSEL: return d->current;
    case TCM_SETCURSEL: {
        if (!valid(*d, index)) return -1;
        int old = d->current;
        d->current = d->focus = index;
        invalidateTree(hwnd, true);
        return old;
    }
    case TCM_GETCURFOCUS: return d->focus;
    case TCM_SETCURFOCUS:
        if (valid(*d, index)) d->focus = index;
        return 0;
    case TCM_GETROWCOUNT: return 1;
    case TCM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!valid(*d, index) || !r) return FALSE;
        *r = itemRect(hwnd, *d, index);
        return TRUE;
    }
    case TCM_HITTEST: {
        struct HitTest {
            POINT pt;
            UINT flags;
        };
        auto* hit = reinterpret_cast<HitTest*>(lParam);
        if (!hit) return -1;
        for (int i = 0; i < count(*d); ++i) {
            RECT r = itemRect(hwnd, *d, i);
            if (PtInRect(&r, hit->pt)) return i;
        }
        return -1;
    }
    case TCM_SETITEMSIZE: {
        LRESULT old = MAKELRESULT(static_cast<WORD>(d->fixedWidth), static_cast<WORD>(d->stripHeight));
        d->fixedWidth = LOWORD(static_cast<uintptr_t>(lParam));
        if (HIWORD(static_cast<uintptr_t>(lParam))) d->stripHeight = HIWORD(static_cast<uintptr_t>(lParam));
        invalidateTree(hwnd, true);
        return old;
    }
    case TCM_ADJUSTRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r) return 0;
        if (wParam) {
            r->left -= kBorder;
            r->right += kBorder;
            r->bottom += kBorder;
            r->top -= d->stripHeight + kBorder;
        } else {
            r->left += kBorder;
            r->right -= kBorder;
            r->bottom -= kBorder;
            r->top += d->stripHeight + kBorder;
        }
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        for (int i = 0; i < count(*d); ++i) {
            RECT r = itemRect(hwnd, *d, i);
            if (PtInRect(&r, pt)) {
                selectByUser(hwnd, i);
                notify(hwnd, NM_CLICK);
                return 0;
            }
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_LEFT && d->current > 0) selectByUser(hwnd, d->current - 1);
        if (wParam == VK_RIGHT && d->current + 1 < count(*d)) selectByUser(hwnd, d->current + 1);
        return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win::detail
