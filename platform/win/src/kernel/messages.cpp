// Sending, posting, taking and dispatching messages; the default window procedure.

#include <algorithm>
#include <cctype>
#include <cstring>

#include "kernel/kernel.h"

namespace win::detail {

void postEntry(QueueEntry entry) {
    entry.msg.time = static_cast<DWORD>(sys().clock);
    sys().queue.push_back(entry);
}

void removeMessagesFor(HWND hwnd) {
    auto& q = sys().queue;
    q.erase(std::remove_if(
                q.begin(), q.end(),
                [hwnd](const QueueEntry& e) { return e.kind == QueueEntry::Kind::Posted && e.msg.hwnd == hwnd; }),
            q.end());
}

std::vector<std::string>& droppedInput() {
    static std::vector<std::string> log;
    return log;
}

namespace {

WPARAM mouseKeyFlags() {
    auto& k = sys().keys;
    WPARAM f = 0;
    if (k[VK_LBUTTON] & 0x80) f |= MK_LBUTTON;
    if (k[VK_RBUTTON] & 0x80) f |= MK_RBUTTON;
    if (k[VK_SHIFT] & 0x80) f |= MK_SHIFT;
    if (k[VK_CONTROL] & 0x80) f |= MK_CONTROL;
    return f;
}

const char* mouseName(UINT m) {
    switch (m) {
    case WM_LBUTTONDOWN: return "left button down";
    case WM_LBUTTONUP: return "left button up";
    case WM_LBUTTONDBLCLK: return "left double-click";
    case WM_RBUTTONDOWN: return "right button down";
    case WM_RBUTTONUP: return "right button up";
    case WM_MOUSEWHEEL: return "wheel";
    default: return "mouse move";
    }
}

// Turns raw input at the front of the queue into a message for its window.  Returns false when
// the input is dropped (nobody there, or the window is blocked by a modal dialog).
bool resolve(QueueEntry& e) {
    auto& s = sys();
    if (e.kind == QueueEntry::Kind::Mouse) {
        UINT m = e.msg.message;
        s.cursor = e.screen;
        if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK) s.keys[VK_LBUTTON] |= 0x80;
        if (m == WM_LBUTTONUP) s.keys[VK_LBUTTON] &= static_cast<uint8_t>(~0x80);
        if (m == WM_RBUTTONDOWN || m == WM_RBUTTONDBLCLK) s.keys[VK_RBUTTON] |= 0x80;
        if (m == WM_RBUTTONUP) s.keys[VK_RBUTTON] &= static_cast<uint8_t>(~0x80);
        HWND target = s.capture ? s.capture : WindowFromPoint(e.screen);
        if (!target) {
            droppedInput().push_back(std::string(mouseName(m)) + " outside every window");
            return false;
        }
        if (!s.capture && !inputAllowed(rootOf(target))) {
            droppedInput().push_back(std::string(mouseName(m)) + " on a disabled window");
            return false;
        }
        Window* w = window(target);
        if (m == WM_LBUTTONDBLCLK && !(w->classStyle & CS_DBLCLKS)) m = WM_LBUTTONDOWN;
        if (m == WM_RBUTTONDBLCLK && !(w->classStyle & CS_DBLCLKS)) m = WM_RBUTTONDOWN;
        POINT origin = clientOriginScreen(target);
        e.msg.hwnd = target;
        e.msg.message = m;
        e.msg.pt = e.screen;
        if (m == WM_MOUSEWHEEL) {
            e.msg.wParam = MAKEWPARAM(static_cast<WORD>(mouseKeyFlags()), HIWORD(e.msg.wParam));
            e.msg.lParam = MAKELPARAM(e.screen.x, e.screen.y);
        } else {
            e.msg.wParam = mouseKeyFlags();
            e.msg.lParam = MAKELPARAM(e.screen.x - origin.x, e.screen.y - origin.y);
        }
        e.kind = QueueEntry::Kind::Posted;
        bool press = m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_RBUTTONDBLCLK;
        if (!s.capture) {
            HWND top = rootOf(target);
            if (press && top != s.active) SetActiveWindow(top);
            if (window(target))
                SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, m));
        }
        return window(target) != nullptr;
    }
    HWND target = s.focus ? s.focus : s.active;
    if (e.kind == QueueEntry::Kind::Key) {
        UINT vk = static_cast<UINT>(e.msg.wParam) & 0xFF;
        bool down = e.msg.message == WM_KEYDOWN;
        if (down) {
            s.keys[vk] = static_cast<uint8_t>((s.keys[vk] | 0x80) ^ 0x01);
        } else {
            s.keys[vk] &= static_cast<uint8_t>(~0x80);
        }
        if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) {
            // Modifiers only change the key state that the next keys are read with.
            if (!target) return false;
        }
        if (!target) {
            droppedInput().push_back("key without a focused or active window");
            return false;
        }
        if (!inputAllowed(rootOf(target))) {
            droppedInput().push_back("key to a disabled window");
            return false;
        }
        bool alt = (s.keys[VK_MENU] & 0x80) != 0;
        e.msg.message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
        e.msg.lParam = down ? 1 : static_cast<LPARAM>(0xC0000001u);
    } else {
        if (!target || !inputAllowed(rootOf(target))) {
            droppedInput().push_back("character without a window to take it");
            return false;
        }
    }
    e.msg.hwnd = target;
    e.msg.pt = s.cursor;
    e.kind = QueueEntry::Kind::Posted;
    return true;
}

bool matches(const MSG& m, HWND filter, UINT min, UINT max) {
    if (filter && m.hwnd != filter && !IsChild(filter, m.hwnd)) return false;
    if (min == 0 && max == 0) return true;
    return m.message >= min && m.message <= max;
}

HWND findPaint(HWND hwnd, HWND filter) {
    Window* w = window(hwnd);
    if (!w || !(w->style & WS_VISIBLE)) return nullptr;
    if (w->needsPaint && (!filter || hwnd == filter || IsChild(filter, hwnd))) return hwnd;
    for (HWND child : w->children)
        if (HWND found = findPaint(child, filter)) return found;
    return nullptr;
}

}  // namespace

bool takeMessage(MSG& msg, HWND filter, UINT min, UINT max, bool remove) {
    auto& q = sys().queue;
    for (size_t i = 0; i < q.size();) {
        QueueEntry& e = q[i];
        if (e.kind != QueueEntry::Kind::Posted) {
            // Raw input is resolved only once everything before it has been taken.
            if (i != 0) break;
            if (!resolve(q[0])) {
                q.pop_front();
                continue;
            }
        }
        if (matches(q[i].msg, filter, min, max) || q[i].msg.message == WM_QUIT) {
            msg = q[i].msg;
            if (remove) q.erase(q.begin() + static_cast<long>(i));
            sys().current = msg;
            return true;
        }
        ++i;
    }
    if (min == 0 && max == 0 ? true : (WM_PAINT >= min && WM_PAINT <= max)) {
        for (HWND top : sys().topLevel) {
            if (HWND p = findPaint(top, filter)) {
                msg = MSG{};
                msg.hwnd = p;
                msg.message = WM_PAINT;
                msg.time = static_cast<DWORD>(sys().clock);
                msg.pt = sys().cursor;
                return true;
            }
        }
    }
    return false;
}

}  // namespace win::detail

using namespace win::detail;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w || !w->proc) return 0;
    return w->proc(hwnd, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !window(hwnd)) return FALSE;
    QueueEntry e;
    e.msg.hwnd = hwnd;
    e.msg.message = msg;
    e.msg.wParam = wParam;
    e.msg.lParam = lParam;
    e.msg.pt = sys().cursor;
    postEntry(e);
    return TRUE;
}

void PostQuitMessage(int exitCode) { PostMessage(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0); }

BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!msg) return FALSE;
    return takeMessage(*msg, hwnd, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg) return -1;
    for (;;) {
        if (takeMessage(*msg, hwnd, filterMin, filterMax, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
        win::InputSource* source = sys().source;
        if (!source || !source->nextAction(hwnd)) return -1;
    }
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    UINT vk = static_cast<UINT>(msg->wParam);
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool control = GetKeyState(VK_CONTROL) < 0;
    int ch = -1;
    if (vk >= 'A' && vk <= 'Z') {
        if (control)
            ch = static_cast<int>(vk - 'A' + 1);
        else
            ch = shift ? static_cast<int>(vk) : static_cast<int>(vk - 'A' + 'a');
    } else if (vk >= '0' && vk <= '9' && !control) {
        ch = static_cast<int>(vk);
    } else if (vk == VK_BACK) {
        ch = 8;
    } else if (vk == VK_TAB) {
        ch = '\t';
    } else if (vk == VK_RETURN) {
        ch = '\r';
    } else if (vk == VK_ESCAPE) {
        ch = 27;
    } else if (vk == VK_SPACE) {
        ch = ' ';
    }
    if (ch < 0) return FALSE;
    // The character comes next, before any later input, as it does on Windows.
    QueueEntry e;
    e.msg.hwnd = msg->hwnd;
    e.msg.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    e.msg.wParam = static_cast<WPARAM>(ch);
    e.msg.lParam = msg->lParam;
    e.msg.pt = msg->pt;
    e.msg.time = msg->time;
    sys().queue.push_front(e);
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    Window* w = window(msg->hwnd);
    if (!w) return 0;
    LRESULT r = SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (msg->message == WM_PAINT) {
        // A window procedure that never validates would be asked to paint forever.
        if (Window* again = window(msg->hwnd)) again->needsPaint = again->needsErase = false;
    }
    return r;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc) return 0;
    return proc(hwnd, msg, wParam, lParam);
}

DWORD GetMessageTime() { return sys().current.time; }
DWORD GetMessagePos() { return MAKELONG(static_cast<WORD>(sys().current.pt.x), static_cast<WORD>(sys().current.pt.y)); }

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
        return TRUE;
    }
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        invalidateTree(hwnd, false);
        return TRUE;
    case WM_GETTEXT: return copyText(w->text, reinterpret_cast<char*>(lParam), static_cast<size_t>(wParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(static_cast<uintptr_t>(lParam))) invalidateTree(hwnd, true);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(w->font);
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            SendMessage(hwnd, WM_CLOSE, 0, 0);
        } else if ((wParam & 0xFFF0) == SC_SIZE && (w->style & WS_THICKFRAME)) {
            MINMAXINFO mmi;
            mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
            mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
            mmi.ptMaxSize = POINT{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
            SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
            int cx = std::clamp(GET_X_LPARAM(lParam), static_cast<int>(mmi.ptMinTrackSize.x),
                                std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
            int cy = std::clamp(GET_Y_LPARAM(lParam), static_cast<int>(mmi.ptMinTrackSize.y),
                                std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
            SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
            SetWindowPos(hwnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
        }
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (wp && !(wp->flags & SWP_NOMOVE)) {
            POINT origin = clientOriginInParent(hwnd);
            SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
        }
        if (wp && !(wp->flags & SWP_NOSIZE) && window(hwnd)) {
            SIZE cs = clientSize(*window(hwnd));
            SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cs.cx, cs.cy));
        }
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        if (!w->classBrush) return 0;
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = w->classBrush;
        // A class brush may be given as a colour index + 1, as on Windows.
        auto raw = reinterpret_cast<uintptr_t>(brush);
        if (raw > 0 && raw <= 31) brush = GetSysColorBrush(static_cast<int>(raw - 1));
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        return 1;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_3DFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_SETCURSOR:
        if (w->parent && SendMessage(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
        if (window(hwnd) && LOWORD(static_cast<uintptr_t>(lParam)) == HTCLIENT) {
            HCURSOR c = window(hwnd)->classCursor;
            SetCursor(c ? c : LoadCursor(nullptr, IDC_ARROW));
        }
        return FALSE;
    case WM_MOUSEACTIVATE:
        if (w->parent) {
            LRESULT r = SendMessage(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_RBUTTONUP: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &pt);
        SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(pt.x, pt.y));
        return 0;
    }
    case WM_CONTEXTMENU:
        if (w->parent) SendMessage(w->parent, WM_CONTEXTMENU, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            HWND f = GetFocus();
            if (!f || rootOf(f) != hwnd) SetFocus(hwnd);
        }
        return 0;
    case WM_NCHITTEST: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(hwnd, &pt);
        RECT client;
        GetClientRect(hwnd, &client);
        if (PtInRect(&client, pt)) return HTCLIENT;
        return pt.y < 0 && (w->style & WS_CAPTION) == WS_CAPTION ? HTCAPTION : HTBORDER;
    }
    case WM_SYSKEYDOWN:
        // Alt+F4 closes the top-level window, whichever of its windows has the focus.
        if (wParam == VK_F4 && GetKeyState(VK_MENU) < 0) {
            if (HWND top = rootOf(hwnd)) SendMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    default: return 0;
    }
}
