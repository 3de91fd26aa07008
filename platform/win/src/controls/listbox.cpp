// The LISTBOX class: single, multiple and extended selection, item data, sorting, scrolling,
// and a check mark per entry for check lists (LB_SETCHECKSTYLE).  Notifications go to the
// parent only with LBS_NOTIFY, as on Windows; check mark changes always report CLBN_CHKCHANGE.

#include <algorithm>
#include <cstring>

#include "controls/controls.h"
#include "controls/item_list.h"

namespace win::detail {

namespace {

constexpr int kCheckWidth = 16;  // the check box column at the left of a check list

struct ListData : ControlData, ItemListEvents {
    ItemList list;
    int current = -1;  // single selection
    int caret = -1;    // focus entry
    int anchor = -1;
    int top = 0;
    int itemHeight = 16;

    void inserted(HWND, int index) override {
        if (current >= index) ++current;
        if (caret >= index) ++caret;
    }
    void erased(HWND, int index) override {
        if (current == index)
            current = -1;
        else if (current > index)
            --current;
        if (caret >= list.count()) caret = list.count() - 1;
        if (anchor >= list.count()) anchor = -1;
        if (top > 0 && top >= list.count()) top = std::max(0, list.count() - 1);
    }
    void cleared(HWND) override {
        current = caret = anchor = -1;
        top = 0;
    }
};

bool multiple(const Window& w) { return (w.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
bool stringsKept(const Window& w) {
    return !(w.style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (w.style & LBS_HASSTRINGS);
}

int count(const ListData& d) { return d.list.count(); }
bool valid(const ListData& d, int i) { return d.list.valid(i); }

int visibleRows(HWND hwnd, const ListData& d) {
    RECT r;
    GetClientRect(hwnd, &r);
    return std::max(1, static_cast<int>(r.bottom) / std::max(1, d.itemHeight));
}

void ensureVisible(HWND hwnd, ListData& d, int i) {
    if (!valid(d, i)) return;
    int rows = visibleRows(hwnd, d);
    if (i < d.top) d.top = i;
    if (i >= d.top + rows) d.top = i - rows + 1;
}

void notify(HWND hwnd, UINT code) {
    Window* w = window(hwnd);
    if (w && (w->style & LBS_NOTIFY)) notifyParent(hwnd, code);
}

void toggleCheck(HWND hwnd, ListData& d, int i) {
    if (!d.list.checkStyle || !valid(d, i)) return;
    auto& item = d.list.at(i);
    item.check = d.list.nextCheck(item.check);
    invalidateTree(hwnd, false);
    // Check lists report their marks whatever the notify style, as the class layer's does.
    notifyParent(hwnd, CLBN_CHKCHANGE);
}

// Selection by a person: click or keys.  Returns true when anything changed.
bool selectByUser(HWND hwnd, ListData& d, int i, bool shift, bool control) {
    Window* w = window(hwnd);
    if (!w || !valid(d, i) || (w->style & LBS_NOSEL)) return false;
    bool changed = false;
    if (w->style & LBS_EXTENDEDSEL) {
        if (shift && valid(d, d.anchor)) {
            int a = std::min(d.anchor, i), b = std::max(d.anchor, i);
            for (int k = 0; k < count(d); ++k) {
                bool want = (k >= a && k <= b) || (control && d.list.at(k).selected);
                changed |= d.list.at(k).selected != want;
                d.list.at(k).selected = want;
            }
        } else if (control) {
            d.list.at(i).selected = !d.list.at(i).selected;
            d.anchor = i;
            changed = true;
        } else {
            for (int k = 0; k < count(d); ++k) {
                bool want = k == i;
                changed |= d.list.at(k).selected != want;
                d.list.at(k).selected = want;
            }
            d.anchor = i;
        }
    } else if (w->style & LBS_MULTIPLESEL) {
        d.list.at(i).selected = !d.list.at(i).selected;
        changed = true;
    } else {
        changed = d.current != i;
        d.current = i;
    }
    d.caret = i;
    ensureVisible(hwnd, d, i);
    invalidateTree(hwnd, false);
    return changed;
}

}  // namespace

LRESULT listProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    if (msg == WM_NCCREATE) {
        auto data = std::make_unique<ListData>();
        data->itemHeight = itemHeightFor(hwnd);
        w->data = std::move(data);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    auto* d = dataOf<ListData>(hwnd);
    if (!d) return DefWindowProc(hwnd, msg, wParam, lParam);
    if (std::optional<ItemOp> op = listBoxItemOp(msg))
        return d->list.handle(hwnd, *op, wParam, lParam, (w->style & LBS_SORT) != 0, stringsKept(*w), *d);
    int index = static_cast<int>(static_cast<intptr_t>(wParam));
    bool multi = multiple(*w);
    switch (msg) {
    case WM_SETFONT:
        DefWindowProc(hwnd, msg, wParam, lParam);
        d->itemHeight = itemHeightFor(hwnd);
        return 0;
    case LB_SETCURSEL:
        if (multi) return LB_ERR;
        if (!valid(*d, index)) {
            d->current = -1;
            invalidateTree(hwnd, false);
            return LB_ERR;
        }
        d->current = d->caret = index;
        ensureVisible(hwnd, *d, index);
        invalidateTree(hwnd, false);
        return index;
    case LB_GETCURSEL: return multi ? d->caret : d->current;
    case LB_SETSEL: {
        if (!multi) return LB_ERR;
        int i = static_cast<int>(lParam);
        if (i == -1) {
            for (auto& item : d->list.items) item.selected = wParam != 0;
        } else {
            if (!valid(*d, i)) return LB_ERR;
            d->list.at(i).selected = wParam != 0;
            d->caret = i;
        }
        invalidateTree(hwnd, false);
        return 0;
    }
    case LB_GETSEL:
        if (!valid(*d, index)) return LB_ERR;
        return multi ? (d->list.at(index).selected ? 1 : 0) : (d->current == index ? 1 : 0);
    case LB_GETSELCOUNT: {
        if (!multi) return LB_ERR;
        return std::count_if(d->list.items.begin(), d->list.items.end(), [](const ListItem& i) { return i.selected; });
    }
    case LB_GETSELITEMS: {
        if (!multi) return LB_ERR;
        auto* out = reinterpret_cast<int*>(lParam);
        int n = 0;
        for (int i = 0; i < count(*d) && n < index; ++i)
            if (d->list.at(i).selected) {
                if (out) out[n] = i;
                ++n;
            }
        return n;
    }
    case LB_SELITEMRANGE:
    case LB_SELITEMRANGEEX: {
        if (!multi) return LB_ERR;
        int first = msg == LB_SELITEMRANGE ? LOWORD(static_cast<uintptr_t>(lParam)) : static_cast<int>(wParam);
        int last = msg == LB_SELITEMRANGE ? HIWORD(static_cast<uintptr_t>(lParam)) : static_cast<int>(lParam);
        bool select = msg == LB_SELITEMRANGE ? wParam != 0 : first <= last;
        if (first > last) std::swap(first, last);
        for (int i = std::max(0, first); i <= last && i < count(*d); ++i) d->list.at(i).selected = select;
        invalidateTree(hwnd, false);
        return 0;
    }
    case LB_SELECTSTRING: {
        if (multi) return LB_ERR;
        int found = d->list.find(index, lParam ? reinterpret_cast<const char*>(lParam) : "", false);
        if (found >= 0) {
            d->current = d->caret = found;
            ensureVisible(hwnd, *d, found);
            invalidateTree(hwnd, false);
        }
        return found;
    }
    case LB_GETTOPINDEX: return d->top;
    case LB_SETTOPINDEX:
        if (index < 0 || (index >= count(*d) && count(*d) > 0)) return LB_ERR;
        d->top = index;
        invalidateTree(hwnd, false);
        return 0;
    case LB_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!valid(*d, index) || !r) return LB_ERR;
        RECT client;
        GetClientRect(hwnd, &client);
        int y = (index - d->top) * d->itemHeight;
        *r = RECT{0, y, client.right, y + d->itemHeight};
        return 0;
    }
    case LB_GETITEMHEIGHT: return d->itemHeight;
    case LB_SETITEMHEIGHT:
        if (LOWORD(static_cast<uintptr_t>(lParam)) == 0) return LB_ERR;
        d->itemHeight = LOWORD(static_cast<uintptr_t>(lParam));
        invalidateTree(hwnd, false);
        return 0;
    case LB_SETCARETINDEX:
        if (!valid(*d, index)) return LB_ERR;
        d->caret = index;
        ensureVisible(hwnd, *d, index);
        return 0;
    case LB_GETCARETINDEX: return d->caret;
    case LB_SETANCHORINDEX:
        if (!valid(*d, index)) return LB_ERR;
        d->anchor = index;
        return 0;
    case LB_GETANCHORINDEX: return d->anchor;
    case LB_ITEMFROMPOINT: {
        int y = GET_Y_LPARAM(lParam);
        int i = d->top + (y >= 0 ? y / std::max(1, d->itemHeight) : -1);
        bool outside = !valid(*d, i);
        if (outside) i = std::clamp(i, 0, std::max(0, count(*d) - 1));
        return MAKELRESULT(static_cast<WORD>(i), outside ? 1 : 0);
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (GetFocus() != hwnd) SetFocus(hwnd);
        d = dataOf<ListData>(hwnd);
        if (!d) return 0;
        int i = d->top + GET_Y_LPARAM(lParam) / std::max(1, d->itemHeight);
        if (!valid(*d, i)) return 0;
        if (d->list.checkStyle && GET_X_LPARAM(lParam) < kCheckWidth && msg == WM_LBUTTONDOWN) toggleCheck(hwnd, *d, i);
        d = dataOf<ListData>(hwnd);
        if (!d) return 0;
        bool changed = selectByUser(hwnd, *d, i, (wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0);
        if (changed) notify(hwnd, LBN_SELCHANGE);
        if (msg == WM_LBUTTONDBLCLK) notify(hwnd, LBN_DBLCLK);
        return 0;
    }
    case WM_MOUSEWHEEL: {
        int notches = static_cast<int16_t>(HIWORD(wParam)) / 120;
        int rows = visibleRows(hwnd, *d);
        d->top = std::clamp(d->top - notches * 3, 0, std::max(0, count(*d) - rows));
        invalidateTree(hwnd, false);
        return 0;
    }
    case WM_KEYDOWN: {
        if (count(*d) == 0) return 0;
        int from = multi ? d->caret : d->current;
        int rows = visibleRows(hwnd, *d);
        int to = from;
        switch (wParam) {
        case VK_UP: to = from < 0 ? 0 : from - 1; break;
        case VK_DOWN: to = from + 1; break;
        case VK_HOME: to = 0; break;
        case VK_END: to = count(*d) - 1; break;
        case VK_PRIOR: to = from - rows; break;
        case VK_NEXT: to = from + rows; break;
        case VK_SPACE:
            if (d->list.checkStyle && valid(*d, from))
                toggleCheck(hwnd, *d, from);
            else if ((w->style & LBS_MULTIPLESEL) && valid(*d, from) && selectByUser(hwnd, *d, from, false, false))
                notify(hwnd, LBN_SELCHANGE);
            return 0;
        default: return 0;
        }
        to = std::clamp(to, 0, count(*d) - 1);
        if (w->style & LBS_MULTIPLESEL) {
            d->caret = to;
            ensureVisible(hwnd, *d, to);
            invalidateTree(hwnd, false);
        } else if (selectByUser(hwnd, *d, to, GetKeyState(VK_SHIFT) < 0, false)) {
            notify(hwnd, LBN_SELCHANGE);
        }
        return 0;
    }
    case WM_CHAR: {
        if (wParam < 32 || multi) return 0;
        int found = d->list.find(d->current, std::string(1, static_cast<char>(wParam)), false);
        if (found >= 0 && selectByUser(hwnd, *d, found, false, false)) notify(hwnd, LBN_SELCHANGE);
        return 0;
    }
    case WM_SETFOCUS: notify(hwnd, LBN_SETFOCUS); return 0;
    case WM_KILLFOCUS: notify(hwnd, LBN_KILLFOCUS); return 0;
    case WM_PAINT:
        if (w->style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            int rows = visibleRows(hwnd, *d);
            for (int i = d->top; i < count(*d) && i < d->top + rows; ++i) {
                DRAWITEMSTRUCT dis;
                dis.CtlType = ODT_LISTBOX;
                dis.CtlID = static_cast<UINT>(w->id);
                dis.itemID = static_cast<UINT>(i);
                dis.itemAction = ODA_DRAWENTIRE;
                bool sel = multi ? d->list.at(i).selected : d->current == i;
                dis.itemState = (sel ? ODS_SELECTED : 0) | (GetFocus() == hwnd && d->caret == i ? ODS_FOCUS : 0);
                dis.hwndItem = hwnd;
                dis.hDC = dc;
                SendMessage(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&dis.rcItem));
                dis.itemData = static_cast<ULONG_PTR>(d->list.at(i).data);
                if (w->parent) SendMessage(w->parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
                d = dataOf<ListData>(hwnd);
                if (!d) break;
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win::detail
