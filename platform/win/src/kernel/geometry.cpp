// Window rectangles, coordinates, z-order, hit-testing and deferred positioning.

#include <algorithm>
#include <map>

#include "kernel/kernel.h"

namespace win::detail {

RECT nonClientInsets(const Window& w) {
    RECT in;
    int frame = 0;
    bool dialogFrame = (w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME);
    if (w.style & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if (dialogFrame)
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    else if (w.style & WS_BORDER)
        frame = GetSystemMetrics(SM_CXBORDER);
    if (w.exStyle & WS_EX_CLIENTEDGE)
        frame += GetSystemMetrics(SM_CXEDGE);
    else if (w.exStyle & WS_EX_STATICEDGE)
        frame += GetSystemMetrics(SM_CXBORDER);
    in.left = in.right = in.top = in.bottom = frame;
    if ((w.style & WS_CAPTION) == WS_CAPTION) in.top += GetSystemMetrics(SM_CYCAPTION);
    if (w.style & WS_VSCROLL) in.right += GetSystemMetrics(SM_CXVSCROLL);
    if (w.style & WS_HSCROLL) in.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return in;
}

SIZE clientSize(const Window& w) {
    RECT in = nonClientInsets(w);
    SIZE s;
    s.cx = std::max<LONG>(0, (w.rect.right - w.rect.left) - in.left - in.right);
    s.cy = std::max<LONG>(0, (w.rect.bottom - w.rect.top) - in.top - in.bottom);
    return s;
}

POINT clientOriginInParent(HWND hwnd) {
    POINT p;
    Window* w = window(hwnd);
    if (!w) return p;
    RECT in = nonClientInsets(*w);
    p.x = w->rect.left + in.left;
    p.y = w->rect.top + in.top;
    return p;
}

POINT clientOriginScreen(HWND hwnd) {
    POINT p = clientOriginInParent(hwnd);
    Window* w = window(hwnd);
    if (w && w->parent) {
        POINT o = clientOriginScreen(w->parent);
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

void invalidateTree(HWND hwnd, bool erase) {
    Window* w = window(hwnd);
    if (!w) return;
    w->needsPaint = true;
    w->needsErase = w->needsErase || erase;
    for (HWND child : w->children) invalidateTree(child, erase);
}

namespace {

bool screenRect(HWND hwnd, RECT& r) {
    Window* w = window(hwnd);
    if (!w) return false;
    r = w->rect;
    if (w->parent) {
        POINT o = clientOriginScreen(w->parent);
        OffsetRect(&r, o.x, o.y);
    }
    return true;
}

// The deepest window under a screen point that takes mouse input: hidden windows are not
// there, disabled children leave the click to their parent, and windows answering
// HTTRANSPARENT (plain statics, group boxes) let it through to what lies beneath.
HWND hitChild(HWND parent, POINT screen) {
    Window* p = window(parent);
    if (!p) return nullptr;
    POINT origin = clientOriginScreen(parent);
    std::vector<HWND> children = p->children;
    for (HWND child : children) {
        Window* c = window(child);
        if (!c || !(c->style & WS_VISIBLE)) continue;
        RECT r = c->rect;
        OffsetRect(&r, origin.x, origin.y);
        if (!PtInRect(&r, screen)) continue;
        if (c->style & WS_DISABLED) continue;
        LRESULT hit = SendMessage(child, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (hit == HTTRANSPARENT) continue;
        HWND deeper = hitChild(child, screen);
        return deeper ? deeper : child;
    }
    return nullptr;
}

struct Deferred {
    std::vector<WINDOWPOS> moves;
};
std::map<uintptr_t, Deferred>& deferTable() {
    static std::map<uintptr_t, Deferred> table;
    return table;
}
uintptr_t nextDefer = 0x10;

}  // namespace
}  // namespace win::detail

using namespace win::detail;

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    if (!rect) return FALSE;
    return screenRect(hwnd, *rect) ? TRUE : FALSE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    Window* w = window(hwnd);
    if (!w || !rect) return FALSE;
    SIZE s = clientSize(*w);
    *rect = RECT{0, 0, s.cx, s.cy};
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int cx, int cy, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = window(hwnd);
    if (!w) return FALSE;
    WINDOWPOS wp;
    wp.hwnd = hwnd;
    wp.hwndInsertAfter = insertAfter;
    wp.x = x;
    wp.y = y;
    wp.cx = cx;
    wp.cy = cy;
    wp.flags = flags;
    if (!(flags & SWP_NOSENDCHANGING)) SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    w = window(hwnd);
    if (!w) return FALSE;
    RECT old = w->rect;
    RECT next = old;
    if (!(wp.flags & SWP_NOMOVE)) OffsetRect(&next, wp.x - old.left, wp.y - old.top);
    if (!(wp.flags & SWP_NOSIZE)) {
        next.right = next.left + std::max(0, wp.cx);
        next.bottom = next.top + std::max(0, wp.cy);
    }
    w->rect = next;
    if (!(wp.flags & SWP_NOZORDER)) {
        auto& list = w->parent ? window(w->parent)->children : sys().topLevel;
        list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
        HWND after = wp.hwndInsertAfter;
        if (after == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
        if (after == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
        if (!w->parent && (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST)) {
            list.insert(list.begin(), hwnd);
            raiseTopLevel(hwnd);
        } else if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
            list.insert(list.begin(), hwnd);
        } else if (after == HWND_BOTTOM) {
            list.push_back(hwnd);
        } else {
            auto pos = std::find(list.begin(), list.end(), after);
            list.insert(pos == list.end() ? list.begin() : pos + 1, hwnd);
        }
    }
    bool moved = next.left != old.left || next.top != old.top;
    bool sized =
        (next.right - next.left) != (old.right - old.left) || (next.bottom - next.top) != (old.bottom - old.top);
    if (moved || sized) {
        if (w->parent && !(wp.flags & SWP_NOREDRAW)) invalidateTree(w->parent, true);
        if (sized) invalidateTree(hwnd, true);
    }
    if (wp.flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (wp.flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (wp.flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    if (!window(hwnd)) return TRUE;
    if (moved || sized) {
        WINDOWPOS done = wp;
        done.x = next.left;
        done.y = next.top;
        done.cx = next.right - next.left;
        done.cy = next.bottom - next.top;
        if (!moved) done.flags |= SWP_NOMOVE;
        if (!sized) done.flags |= SWP_NOSIZE;
        SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&done));
    }
    return TRUE;
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

BOOL ClientToScreen(HWND hwnd, LPPOINT pt) {
    if (!window(hwnd) || !pt) return FALSE;
    POINT o = clientOriginScreen(hwnd);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT pt) {
    if (!window(hwnd) || !pt) return FALSE;
    POINT o = clientOriginScreen(hwnd);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a = from ? clientOriginScreen(from) : POINT{};
    POINT b = to ? clientOriginScreen(to) : POINT{};
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

HWND WindowFromPoint(POINT screen) {
    for (HWND top : sys().topLevel) {
        Window* t = window(top);
        if (!t || !(t->style & WS_VISIBLE)) continue;
        RECT r;
        screenRect(top, r);
        if (!PtInRect(&r, screen)) continue;
        POINT origin = clientOriginScreen(top);
        SIZE cs = clientSize(*t);
        RECT client{origin.x, origin.y, origin.x + cs.cx, origin.y + cs.cy};
        if (!PtInRect(&client, screen)) return top;
        if (t->style & WS_DISABLED) return top;
        HWND child = hitChild(top, screen);
        return child ? child : top;
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) {
    Window* p = window(parent);
    if (!p) return nullptr;
    for (HWND child : p->children) {
        Window* c = window(child);
        if (c && PtInRect(&c->rect, pt)) return child;
    }
    RECT client;
    GetClientRect(parent, &client);
    return PtInRect(&client, pt) ? parent : nullptr;
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL, DWORD exStyle) {
    if (!rect) return FALSE;
    Window probe;
    probe.style = style;
    probe.exStyle = exStyle;
    RECT in = nonClientInsets(probe);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

HDWP BeginDeferWindowPos(int count) {
    if (count < 0) return nullptr;
    uintptr_t key = nextDefer++;
    deferTable()[key].moves.reserve(static_cast<size_t>(count));
    return reinterpret_cast<HDWP>(key);
}

HDWP DeferWindowPos(HDWP dwp, HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto& table = deferTable();
    auto it = table.find(reinterpret_cast<uintptr_t>(dwp));
    if (it == table.end()) return nullptr;
    if (!window(hwnd)) {
        // A bad window spoils the whole batch, as it does on Windows.
        table.erase(it);
        return nullptr;
    }
    WINDOWPOS wp;
    wp.hwnd = hwnd;
    wp.hwndInsertAfter = insertAfter;
    wp.x = x;
    wp.y = y;
    wp.cx = cx;
    wp.cy = cy;
    wp.flags = flags;
    it->second.moves.push_back(wp);
    return dwp;
}

BOOL EndDeferWindowPos(HDWP dwp) {
    auto& table = deferTable();
    auto it = table.find(reinterpret_cast<uintptr_t>(dwp));
    if (it == table.end()) return FALSE;
    std::vector<WINDOWPOS> moves = std::move(it->second.moves);
    table.erase(it);
    BOOL ok = TRUE;
    for (const WINDOWPOS& wp : moves)
        if (!SetWindowPos(wp.hwnd, wp.hwndInsertAfter, wp.x, wp.y, wp.cx, wp.cy, wp.flags)) ok = FALSE;
    return ok;
}

BOOL SetRect(LPRECT r, int left, int top, int right, int bottom) {
    if (!r) return FALSE;
    *r = RECT{left, top, right, bottom};
    return TRUE;
}
BOOL SetRectEmpty(LPRECT r) { return SetRect(r, 0, 0, 0, 0); }
BOOL CopyRect(LPRECT dst, const RECT* src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}
BOOL InflateRect(LPRECT r, int dx, int dy) {
    if (!r) return FALSE;
    r->left -= dx;
    r->right += dx;
    r->top -= dy;
    r->bottom += dy;
    return TRUE;
}
BOOL OffsetRect(LPRECT r, int dx, int dy) {
    if (!r) return FALSE;
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
    return TRUE;
}
BOOL IsRectEmpty(const RECT* r) { return !r || r->right <= r->left || r->bottom <= r->top; }
BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *dst = RECT{};
        return FALSE;
    }
    *dst = r;
    return TRUE;
}
BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    if (IsRectEmpty(a)) {
        *dst = *b;
        return !IsRectEmpty(b);
    }
    if (IsRectEmpty(b)) {
        *dst = *a;
        return TRUE;
    }
    *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom)};
    return TRUE;
}
BOOL PtInRect(const RECT* r, POINT pt) {
    return r && pt.x >= r->left && pt.x < r->right && pt.y >= r->top && pt.y < r->bottom;
}
BOOL EqualRect(const RECT* a, const RECT* b) { return a && b && *a == *b; }
