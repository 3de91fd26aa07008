// The COMBOBOX class: simple, drop-down and drop-down list combo boxes.  The edit part and the
// list live in the combo window itself (GetFocus names the combo box).  The window is as high
// as its closed field; the height given at creation is the height of the opened list, which
// hangs below the window while the combo box holds the mouse capture.
//
// Typing into the edit part keeps the list selection in step with the text: while the list is
// open the first entry starting with the text is selected, while it is closed the selection is
// cleared, because the text no longer is an entry.
//
// With a check style (CB_SETCHECKSTYLE) every entry carries a check mark that the program sets
// and reads (CB_SETCHECK, CB_GETCHECK); the renderer draws it in the list and in the field.
// An automatic check style lets a person change the marks too (win/combo_checks.h).
//
// An owner-drawn combo box (CBS_OWNERDRAWFIXED / CBS_OWNERDRAWVARIABLE) keeps its entries'
// texts for look-up, but its parent draws them through WM_DRAWITEM: the closed field as an
// item with ODS_COMBOBOXEDIT, and, while the list is open, every visible entry in the list's
// place below the field (client coordinates, outside the window's own rectangle).

#include <algorithm>
#include <cstring>

#include "controls/controls.h"
#include "controls/item_list.h"
#include "win/combo_checks.h"
#include "controls/edit_buffer.h"
#include "win/system.h"

namespace win::detail {

namespace {

constexpr int kArrowWidth = 17;
constexpr int kMargin = 3;

struct ComboData : ControlData, ItemListEvents {
    ItemList list;
    int current = -1;
    int hot = -1;
    int top = 0;
    bool dropped = false;
    int itemHeight = 16;
    int closedHeight = 22;
    int listHeight = 200;  // height given at creation: closed field plus opened list
    int droppedWidth = 0;
    EditBuffer edit;
    bool tracking = false;

    void inserted(HWND, int index) override {
        if (current >= index) ++current;
        if (hot >= index) ++hot;
    }
    void erased(HWND, int index) override {
        if (current == index)
            current = -1;
        else if (current > index)
            --current;
        hot = current;
        if (top >= list.count()) top = std::max(0, list.count() - 1);
    }
    void cleared(HWND hwnd) override {
        current = hot = -1;
        top = 0;
        edit.setText("");
        if (Window* w = window(hwnd)) w->text.clear();
    }
};

UINT kindOf(const Window& w) { return w.style & 3; }
bool hasEdit(const Window& w) { return kindOf(w) == CBS_SIMPLE || kindOf(w) == CBS_DROPDOWN; }
bool ownerDrawn(const Window& w) { return (w.style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }
int count(const ComboData& d) { return d.list.count(); }
bool valid(const ComboData& d, int i) { return d.list.valid(i); }

// The list rectangle in the combo's client coordinates.
RECT listRect(HWND hwnd, const ComboData& d) {
    Window* w = window(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    if (kindOf(*w) == CBS_SIMPLE) return RECT{0, d.closedHeight, client.right, client.bottom};
    int want = std::max(d.itemHeight, count(d) * d.itemHeight) + 2;
    int height = std::min(want, std::max(d.listHeight - d.closedHeight, d.itemHeight + 2));
    int width = std::max<int>(client.right, d.droppedWidth);
    return RECT{0, d.closedHeight, width, d.closedHeight + height};
}

int visibleRows(HWND hwnd, const ComboData& d) {
    RECT r = listRect(hwnd, d);
    return std::max(1, static_cast<int>(r.bottom - r.top - 2) / std::max(1, d.itemHeight));
}

void ensureVisible(HWND hwnd, ComboData& d, int i) {
    if (!valid(d, i)) return;
    int rows = visibleRows(hwnd, d);
    if (i < d.top) d.top = i;
    if (i >= d.top + rows) d.top = i - rows + 1;
}

int itemAt(HWND hwnd, const ComboData& d, POINT pt) {
    RECT r = listRect(hwnd, d);
    if (!PtInRect(&r, pt)) return -1;
    int i = d.top + (pt.y - r.top - 1) / std::max(1, d.itemHeight);
    return valid(d, i) ? i : -1;
}

void syncText(HWND hwnd, ComboData& d) {
    Window* w = window(hwnd);
    if (!w) return;
    std::string text = valid(d, d.current) ? d.list.at(d.current).text : std::string();
    if (hasEdit(*w)) {
        d.edit.setText(text);
        d.edit.selectAll();
    }
    w->text = hasEdit(*w) ? d.edit.text : text;
    invalidateTree(hwnd, false);
}

void setSelection(HWND hwnd, ComboData& d, int i) {
    d.current = valid(d, i) ? i : -1;
    d.hot = d.current;
    ensureVisible(hwnd, d, d.current);
    syncText(hwnd, d);
}

void drop(HWND hwnd, ComboData& d) {
    if (d.dropped) return;
    notifyParent(hwnd, CBN_DROPDOWN);
    auto* again = dataOf<ComboData>(hwnd);
    if (!again) return;
    again->dropped = true;
    again->hot = again->current;
    ensureVisible(hwnd, *again, again->current);
    SetCapture(hwnd);
    invalidateTree(hwnd, false);
}

void closeUp(HWND hwnd, ComboData& d, bool accept) {
    if (!d.dropped) return;
    d.dropped = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    invalidateTree(hwnd, false);
    if (accept) {
        bool changed = valid(d, d.hot) && d.hot != d.current;
        if (changed) setSelection(hwnd, d, d.hot);
        notifyParent(hwnd, CBN_SELENDOK);
        notifyParent(hwnd, CBN_CLOSEUP);
        if (changed) notifyParent(hwnd, CBN_SELCHANGE);
    } else {
        d.hot = d.current;
        notifyParent(hwnd, CBN_SELENDCANCEL);
        notifyParent(hwnd, CBN_CLOSEUP);
    }
}

// A person's tick: the next mark of the style, the selection untouched.
void toggleCheck(HWND hwnd, ComboData& d, int i) {
    if (!d.list.autoChecks() || !valid(d, i)) return;
    int& check = d.list.at(i).check;
    check = d.list.nextCheck(check);
    invalidateTree(hwnd, false);
    notifyParent(hwnd, CBN_CHECKCHANGE);
}

void selectByUser(HWND hwnd, ComboData& d, int i) {
    if (!valid(d, i) || i == d.current) return;
    setSelection(hwnd, d, i);
    notifyParent(hwnd, CBN_SELCHANGE);
}

// After the edit text changed: the list follows the text (see the class comment).
void editChanged(HWND hwnd, ComboData& d) {
    Window* w = window(hwnd);
    w->text = d.edit.text;
    int match = d.dropped && !d.edit.text.empty() ? d.list.find(-1, d.edit.text, false) : -1;
    d.current = match;
    d.hot = match;
    if (match >= 0) ensureVisible(hwnd, d, match);
    invalidateTree(hwnd, false);
    notifyParent(hwnd, CBN_EDITUPDATE);
    notifyParent(hwnd, CBN_EDITCHANGE);
}

void sendDrawItem(HWND hwnd, HDC dc, int item, const RECT& place, UINT state, LPARAM data) {
    Window* w = window(hwnd);
    if (!w || !w->parent) return;
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = static_cast<UINT>(w->id);
    dis.itemID = static_cast<UINT>(item);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state | (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
    dis.hwndItem = hwnd;
    dis.hDC = dc;
    dis.rcItem = place;
    dis.itemData = static_cast<ULONG_PTR>(data);
    SendMessage(w->parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void paintOwnerDrawnCombo(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    auto* d = dataOf<ComboData>(hwnd);
    if (d) {
        const bool focused = GetFocus() == hwnd;
        const int current = d->current;
        const LPARAM currentData = valid(*d, current) ? d->list.at(current).data : 0;
        RECT client;
        GetClientRect(hwnd, &client);
        const RECT field{kMargin, kMargin, std::max<int>(kMargin, client.right - kArrowWidth - kMargin),
                         d->closedHeight - kMargin};
        sendDrawItem(hwnd, dc, current, field,
                     ODS_COMBOBOXEDIT | (focused && !d->dropped ? ODS_SELECTED | ODS_FOCUS : 0), currentData);
        d = dataOf<ComboData>(hwnd);
        if (d && d->dropped) {
            const RECT list = listRect(hwnd, *d);
            const int rows = visibleRows(hwnd, *d);
            for (int i = d->top; d && i < count(*d) && i < d->top + rows; ++i) {
                const int top = list.top + 1 + (i - d->top) * d->itemHeight;
                const RECT place{list.left + 1, top, list.right - 1, top + d->itemHeight};
                sendDrawItem(hwnd, dc, i, place, i == d->hot ? ODS_SELECTED : 0, d->list.at(i).data);
                d = dataOf<ComboData>(hwnd);
            }
        }
    }
    EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT comboProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    if (msg == WM_NCCREATE) {
        auto data = std::make_unique<ComboData>();
        data->itemHeight = itemHeightFor(hwnd);
        data->closedHeight = data->itemHeight + 6;
        data->listHeight = w->rect.bottom - w->rect.top;
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) data->edit.setText(cs->lpszName);
        if (kindOf(*w) != CBS_SIMPLE) w->rect.bottom = w->rect.top + data->closedHeight;
        w->text = kindOf(*w) == CBS_DROPDOWNLIST ? std::string() : data->edit.text;
        w->data = std::move(data);
        return TRUE;
    }
    auto* d = dataOf<ComboData>(hwnd);
    if (!d) return DefWindowProc(hwnd, msg, wParam, lParam);
    // Owner-drawn combo boxes keep their entries' texts too, for look-up.
    if (std::optional<ItemOp> op = comboBoxItemOp(msg))
        return d->list.handle(hwnd, *op, wParam, lParam, (w->style & CBS_SORT) != 0, true, *d);
    int index = static_cast<int>(static_cast<intptr_t>(wParam));
    bool edit = hasEdit(*w);
    switch (msg) {
    case WM_WINDOWPOSCHANGING: {
        // As on the desktop, a drop-down combo's height is that of the field and the opened list
        // together: the list takes it and the window stays as high as the field.
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (pos && !(pos->flags & SWP_NOSIZE) && kindOf(*w) != CBS_SIMPLE && pos->cy != d->closedHeight) {
            d->listHeight = pos->cy;
            pos->cy = d->closedHeight;
        }
        return 0;
    }
    case WM_SETFONT:
        DefWindowProc(hwnd, msg, wParam, lParam);
        d->itemHeight = itemHeightFor(hwnd);
        return 0;
    case WM_SETTEXT: {
        std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (!edit) {
            int found = d->list.find(-1, text, true);
            if (found < 0) return CB_ERR;
            setSelection(hwnd, *d, found);
            return TRUE;
        }
        d->edit.setText(text);
        w->text = text;
        d->current = d->hot = -1;
        invalidateTree(hwnd, false);
        return TRUE;
    }
    case WM_GETTEXT: return copyText(w->text, reinterpret_cast<char*>(lParam), static_cast<size_t>(wParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case CB_GETCURSEL: return d->current;
    case CB_SETCURSEL: setSelection(hwnd, *d, index); return valid(*d, index) ? index : CB_ERR;
    case CB_SELECTSTRING: {
        int found = d->list.find(index, lParam ? reinterpret_cast<const char*>(lParam) : "", false);
        if (found >= 0) setSelection(hwnd, *d, found);
        return found;
    }
    case CB_SHOWDROPDOWN:
        if (kindOf(*w) == CBS_SIMPLE) return TRUE;
        if (wParam)
            drop(hwnd, *d);
        else
            closeUp(hwnd, *d, false);
        return TRUE;
    case CB_GETDROPPEDSTATE: return d->dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r) return CB_ERR;
        *r = listRect(hwnd, *d);
        POINT o{0, 0};
        ClientToScreen(hwnd, &o);
        OffsetRect(r, o.x, o.y);
        r->top = o.y;
        return CB_OKAY;
    }
    case CB_GETITEMHEIGHT: return index == -1 ? d->closedHeight - 6 : d->itemHeight;
    case CB_SETITEMHEIGHT:
        if (lParam <= 0 || lParam > 255) return CB_ERR;
        if (index >= 0) {
            d->itemHeight = static_cast<int>(lParam);
        } else if (index == -1 && kindOf(*w) != CBS_SIMPLE) {
            // The closed field: the window is as high as the field.
            d->closedHeight = static_cast<int>(lParam) + 6;
            SetWindowPos(hwnd, nullptr, 0, 0, w->rect.right - w->rect.left, d->closedHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        invalidateTree(hwnd, false);
        return CB_OKAY;
    case CB_GETTOPINDEX: return d->top;
    case CB_SETTOPINDEX:
        if (!valid(*d, index)) return CB_ERR;
        d->top = index;
        return CB_OKAY;
    case CB_GETDROPPEDWIDTH: return std::max<int>(d->droppedWidth, w->rect.right - w->rect.left);
    case CB_SETDROPPEDWIDTH: d->droppedWidth = index; return index;
    case CB_LIMITTEXT:
        d->edit.limit = wParam ? static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE)) : 0x7FFFFFFE;
        return TRUE;
    case CB_GETEDITSEL: {
        if (!edit) return CB_ERR;
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(d->edit.selStart());
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(d->edit.selEnd());
        return MAKELRESULT(static_cast<WORD>(d->edit.selStart()), static_cast<WORD>(d->edit.selEnd()));
    }
    case CB_SETEDITSEL:
        if (!edit) return CB_ERR;
        d->edit.select(static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam))),
                       static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam))));
        return TRUE;
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS | (edit ? DLGC_HASSETSEL : 0);
        auto* m = reinterpret_cast<const MSG*>(lParam);
        if (d->dropped && m && m->message == WM_KEYDOWN && (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT client;
        GetClientRect(hwnd, &client);
        if (d->dropped || kindOf(*w) == CBS_SIMPLE) {
            int i = itemAt(hwnd, *d, pt);
            if (i >= 0 && d->list.autoChecks() && msg == WM_LBUTTONDOWN &&
                pt.x < listRect(hwnd, *d).left + kComboCheckWidth) {
                d->hot = i;
                toggleCheck(hwnd, *d, i);
                return 0;
            }
            if (i >= 0) {
                d->hot = i;
                d->tracking = true;
                if (kindOf(*w) == CBS_SIMPLE) {
                    if (GetFocus() != hwnd) SetFocus(hwnd);
                    if (auto* again = dataOf<ComboData>(hwnd)) selectByUser(hwnd, *again, i);
                    if (msg == WM_LBUTTONDBLCLK) notifyParent(hwnd, CBN_DBLCLK);
                }
                invalidateTree(hwnd, false);
                return 0;
            }
            if (kindOf(*w) != CBS_SIMPLE) {
                closeUp(hwnd, *d, false);
                return 0;
            }
        }
        if (GetFocus() != hwnd) SetFocus(hwnd);
        d = dataOf<ComboData>(hwnd);
        if (!d || !PtInRect(&client, pt)) return 0;
        bool onArrow = pt.x >= client.right - kArrowWidth;
        if (kindOf(*w) == CBS_DROPDOWNLIST || (kindOf(*w) == CBS_DROPDOWN && onArrow)) {
            drop(hwnd, *d);
        } else if (edit) {
            FontSpec f = windowFont(hwnd);
            d->edit.caret = d->edit.charFromPoint(f, pt.x, pt.y, kMargin);
            if (!(wParam & MK_SHIFT)) d->edit.anchor = d->edit.caret;
            invalidateTree(hwnd, false);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (d->dropped) {
            int i = itemAt(hwnd, *d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (i >= 0 && i != d->hot) {
                d->hot = i;
                invalidateTree(hwnd, false);
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (d->dropped && d->tracking) {
            d->tracking = false;
            int i = itemAt(hwnd, *d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (i >= 0) {
                d->hot = i;
                closeUp(hwnd, *d, true);
            }
        }
        d->tracking = false;
        return 0;
    case WM_MOUSEWHEEL: {
        int notches = static_cast<int16_t>(HIWORD(wParam)) / 120;
        if (d->dropped || kindOf(*w) == CBS_SIMPLE) {
            d->top = std::clamp(d->top - notches * 3, 0, std::max(0, count(*d) - visibleRows(hwnd, *d)));
        } else if (count(*d) > 0) {
            selectByUser(hwnd, *d, std::clamp(d->current - notches, 0, count(*d) - 1));
        }
        invalidateTree(hwnd, false);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (d->dropped && GetCapture() != hwnd) closeUp(hwnd, *d, false);
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+Down and Alt+Up arrive as system keys (Alt is held).
        if (wParam != VK_DOWN && wParam != VK_UP) return DefWindowProc(hwnd, msg, wParam, lParam);
        [[fallthrough]];
    case WM_KEYDOWN: {
        bool alt = GetKeyState(VK_MENU) < 0;
        bool shift = GetKeyState(VK_SHIFT) < 0;
        bool control = GetKeyState(VK_CONTROL) < 0;
        if (wParam == VK_F4 || (alt && (wParam == VK_DOWN || wParam == VK_UP))) {
            if (kindOf(*w) == CBS_SIMPLE) return 0;
            if (d->dropped)
                closeUp(hwnd, *d, true);
            else
                drop(hwnd, *d);
            return 0;
        }
        if (d->dropped && wParam == VK_RETURN) {
            closeUp(hwnd, *d, true);
            return 0;
        }
        if (d->dropped && wParam == VK_ESCAPE) {
            closeUp(hwnd, *d, false);
            return 0;
        }
        int n = count(*d);
        switch (wParam) {
        case VK_DOWN:
            if (n) selectByUser(hwnd, *d, std::min(n - 1, d->current + 1));
            return 0;
        case VK_UP:
            if (n) selectByUser(hwnd, *d, std::max(0, d->current - 1));
            return 0;
        case VK_PRIOR:
            if (n) selectByUser(hwnd, *d, std::max(0, d->current - visibleRows(hwnd, *d)));
            return 0;
        case VK_NEXT:
            if (n) selectByUser(hwnd, *d, std::min(n - 1, d->current + visibleRows(hwnd, *d)));
            return 0;
        default: break;
        }
        if (!edit) {
            if (wParam == VK_HOME && n) selectByUser(hwnd, *d, 0);
            if (wParam == VK_END && n) selectByUser(hwnd, *d, n - 1);
            return 0;
        }
        switch (wParam) {
        case VK_LEFT:
            if (control)
                d->edit.moveWordLeft(shift);
            else
                d->edit.moveLeft(shift);
            break;
        case VK_RIGHT:
            if (control)
                d->edit.moveWordRight(shift);
            else
                d->edit.moveRight(shift);
            break;
        case VK_HOME: d->edit.moveHome(shift); break;
        case VK_END: d->edit.moveEnd(shift); break;
        case VK_DELETE:
            if (d->edit.deleteForward()) editChanged(hwnd, *d);
            return 0;
        default: return 0;
        }
        invalidateTree(hwnd, false);
        return 0;
    }
    case WM_CHAR: {
        auto ch = static_cast<unsigned char>(wParam);
        if (!edit) {
            if (ch == ' ' && d->list.autoChecks()) {
                toggleCheck(hwnd, *d, d->dropped ? d->hot : d->current);
                return 0;
            }
            if (ch < 32) return 0;
            int found = d->list.find(d->current, std::string(1, static_cast<char>(ch)), false);
            if (found >= 0) selectByUser(hwnd, *d, found);
            return 0;
        }
        if (ch == 1) {
            d->edit.selectAll();
            return 0;
        }
        if (ch == 3) {
            if (d->edit.hasSelection()) win::setClipboardText(d->edit.selectedText());
            return 0;
        }
        if (ch == 22 || ch == 24) {
            if (ch == 24 && d->edit.hasSelection()) win::setClipboardText(d->edit.selectedText());
            if (d->edit.replaceSelection(ch == 22 ? win::clipboardText() : std::string())) editChanged(hwnd, *d);
            return 0;
        }
        if (ch == 8) {
            if (d->edit.backspace()) editChanged(hwnd, *d);
            return 0;
        }
        if (ch < 32) return 0;
        if (d->edit.replaceSelection(std::string(1, static_cast<char>(ch)))) editChanged(hwnd, *d);
        return 0;
    }
    case WM_SETFOCUS:
        if (edit) d->edit.selectAll();
        notifyParent(hwnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if (d->dropped) closeUp(hwnd, *d, false);
        notifyParent(hwnd, CBN_KILLFOCUS);
        return 0;
    case WM_PAINT:
        if (!ownerDrawn(*w)) return DefWindowProc(hwnd, msg, wParam, lParam);
        paintOwnerDrawnCombo(hwnd);
        return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win::detail
