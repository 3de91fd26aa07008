// Window creation, destruction, relations and attributes.

#include <algorithm>
#include <cstring>

#include "kernel/kernel.h"
#include "win/system.h"

namespace win::detail {

System& sys() {
    static System instance;
    return instance;
}

Window* window(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto& windows = sys().windows;
    auto it = windows.find(reinterpret_cast<uintptr_t>(hwnd));
    return it == windows.end() ? nullptr : it->second.get();
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

HWND rootOf(HWND hwnd) {
    Window* w = window(hwnd);
    while (w && w->parent) w = window(w->parent);
    return w ? w->handle : nullptr;
}

bool inputAllowed(HWND hwnd) {
    for (Window* w = window(hwnd); w; w = window(w->parent))
        if (w->style & WS_DISABLED) return false;
    return window(hwnd) != nullptr;
}

bool shownWithAncestors(HWND hwnd) {
    Window* w = window(hwnd);
    if (!w) return false;
    for (; w; w = window(w->parent))
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

int copyText(const std::string& text, char* buffer, size_t bufferSize) {
    if (!buffer || bufferSize == 0) return 0;
    size_t n = std::min(text.size(), bufferSize - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

void notifyParent(HWND control, UINT code) {
    Window* w = window(control);
    if (!w || !w->parent) return;
    SendMessage(w->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(w->id), static_cast<WORD>(code)),
                reinterpret_cast<LPARAM>(control));
}

namespace {

void unlink(Window& w) {
    auto& sys = detail::sys();
    if (w.parent) {
        if (Window* p = window(w.parent)) {
            auto& c = p->children;
            c.erase(std::remove(c.begin(), c.end(), w.handle), c.end());
        }
    } else {
        auto& t = sys.topLevel;
        t.erase(std::remove(t.begin(), t.end(), w.handle), t.end());
    }
}

void sendDestroy(HWND hwnd) {
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    Window* w = window(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) {
        if (Window* c = window(child)) c->destroying = true;
        sendDestroy(child);
    }
}

void sendNcDestroyAndFree(HWND hwnd) {
    Window* w = window(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) sendNcDestroyAndFree(child);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    w = window(hwnd);
    if (!w) return;
    auto& sys = detail::sys();
    if (sys.focus == hwnd) sys.focus = nullptr;
    if (sys.capture == hwnd) sys.capture = nullptr;
    if (sys.active == hwnd) sys.active = nullptr;
    removeTimersFor(hwnd);
    removeMessagesFor(hwnd);
    unlink(*w);
    sys.windows.erase(reinterpret_cast<uintptr_t>(hwnd));
}

bool contains(HWND ancestor, HWND hwnd) {
    for (Window* w = window(hwnd); w; w = window(w->parent))
        if (w->handle == ancestor) return true;
    return false;
}

}  // namespace
}  // namespace win::detail

using namespace win::detail;

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int cx, int cy,
                    HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    ensureSystemClasses();
    auto& s = sys();
    if (!className) return nullptr;
    auto cls = s.classes.find(lower(className));
    if (cls == s.classes.end()) return nullptr;
    if ((style & WS_CHILD) && !window(parent)) return nullptr;
    if (parent && !window(parent)) return nullptr;

    auto w = std::make_unique<Window>();
    HWND hwnd = reinterpret_cast<HWND>(s.nextHandle);
    s.nextHandle += 4;
    w->handle = hwnd;
    w->serial = s.nextSerial++;
    w->className = cls->second.name;
    w->classStyle = cls->second.wc.style;
    w->classBrush = cls->second.wc.hbrBackground;
    w->classCursor = cls->second.wc.hCursor;
    w->proc = cls->second.wc.lpfnWndProc;
    if (x == CW_USEDEFAULT) x = y = 100;
    if (cx == CW_USEDEFAULT) {
        cx = 400;
        cy = 300;
    }
    w->rect = RECT{x, y, x + std::max(cx, 0), y + std::max(cy, 0)};
    w->exStyle = exStyle;
    w->style = style & ~WS_VISIBLE;  // shown below, after creation, as Windows does
    if (style & WS_CHILD) {
        w->parent = parent;
        w->id = reinterpret_cast<LONG_PTR>(menu);
    } else {
        w->owner = parent ? rootOf(parent) : nullptr;
    }
    Window* raw = w.get();
    s.windows.emplace(reinterpret_cast<uintptr_t>(hwnd), std::move(w));
    // New children go to the bottom of their siblings, so that creation order is the order of
    // GW_HWNDNEXT (a dialog's tab order); new top-level windows go on top.
    if (raw->parent)
        window(raw->parent)->children.push_back(hwnd);
    else
        s.topLevel.insert(s.topLevel.begin(), hwnd);
    if (s.createHook) s.createHook(hwnd);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = cx;
    cs.cy = cy;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!window(hwnd)) return nullptr;
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    raw = window(hwnd);
    if (!raw) return nullptr;
    SIZE client = clientSize(*raw);
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
    if (!window(hwnd)) return nullptr;
    POINT origin = clientOriginInParent(hwnd);
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    raw = window(hwnd);
    if (!raw) return nullptr;
    if (raw->parent && !(exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessage(raw->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<WORD>(raw->id)),
                    reinterpret_cast<LPARAM>(hwnd));
    if (window(hwnd) && (style & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
    return window(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = window(hwnd);
    if (!w || w->destroying) return FALSE;
    w->destroying = true;
    auto& s = sys();
    // Owned windows go first, as they would be orphaned otherwise.
    if (!w->parent) {
        std::vector<HWND> owned;
        for (HWND top : s.topLevel)
            if (Window* t = window(top); t && t->owner == hwnd) owned.push_back(top);
        for (HWND o : owned) DestroyWindow(o);
    }
    if (s.capture && contains(hwnd, s.capture)) ReleaseCapture();
    if (s.focus && contains(hwnd, s.focus)) {
        HWND old = s.focus;
        s.focus = nullptr;
        SendMessage(old, WM_KILLFOCUS, 0, 0);
    }
    w = window(hwnd);
    if (w && (w->style & WS_VISIBLE)) {
        w->style &= ~WS_VISIBLE;
        if (w->parent) invalidateTree(w->parent, true);
    }
    bool wasActive = s.active == hwnd;
    HWND owner = w ? w->owner : nullptr;
    sendDestroy(hwnd);
    sendNcDestroyAndFree(hwnd);
    if (wasActive) {
        s.active = nullptr;
        // Activation returns to the owner, else to the topmost visible enabled window.
        HWND next = nullptr;
        if (window(owner) && IsWindowVisible(owner) && IsWindowEnabled(owner)) next = owner;
        for (HWND top : s.topLevel)
            if (!next && IsWindowVisible(top) && IsWindowEnabled(top)) next = top;
        if (next) SetActiveWindow(next);
    }
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return window(hwnd) != nullptr; }

HWND GetParent(HWND hwnd) {
    Window* w = window(hwnd);
    if (!w) return nullptr;
    if (w->parent) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : w->owner;
}

HWND SetParent(HWND child, HWND newParent) {
    Window* w = window(child);
    if (!w) return nullptr;
    if (newParent && !window(newParent)) return nullptr;
    HWND old = w->parent;
    unlink(*w);
    auto& s = sys();
    if (newParent) {
        w->parent = newParent;
        w->owner = nullptr;
        window(newParent)->children.insert(window(newParent)->children.begin(), child);
    } else {
        w->parent = nullptr;
        s.topLevel.insert(s.topLevel.begin(), child);
    }
    invalidateTree(child, true);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Window* w = window(hwnd);
    if (!w) return nullptr;
    switch (flags) {
    case GA_PARENT: return w->parent;
    case GA_ROOT: return rootOf(hwnd);
    case GA_ROOTOWNER: {
        HWND root = rootOf(hwnd);
        for (Window* r = window(root); r && r->owner; r = window(r->owner)) root = r->owner;
        return root;
    }
    default: return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    Window* w = window(hwnd);
    if (!w) return nullptr;
    auto& s = sys();
    const std::vector<HWND>* siblings = &s.topLevel;
    if (w->parent) siblings = &window(w->parent)->children;
    auto pos = std::find(siblings->begin(), siblings->end(), hwnd);
    switch (cmd) {
    case GW_CHILD: return w->children.empty() ? nullptr : w->children.front();
    case GW_OWNER: return w->owner;
    case GW_HWNDFIRST: return siblings->empty() ? nullptr : siblings->front();
    case GW_HWNDLAST: return siblings->empty() ? nullptr : siblings->back();
    case GW_HWNDNEXT:
        if (pos == siblings->end() || pos + 1 == siblings->end()) return nullptr;
        return *(pos + 1);
    case GW_HWNDPREV:
        if (pos == siblings->end() || pos == siblings->begin()) return nullptr;
        return *(pos - 1);
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    if (!hwnd) return sys().topLevel.empty() ? nullptr : sys().topLevel.front();
    return GetWindow(hwnd, GW_CHILD);
}

BOOL IsChild(HWND parent, HWND hwnd) {
    if (!window(parent) || parent == hwnd) return FALSE;
    for (Window* w = window(hwnd); w && w->parent; w = window(w->parent))
        if (w->parent == parent) return TRUE;
    return FALSE;
}

HWND GetDesktopWindow() { return nullptr; }

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    Window* w = window(parent);
    if (!w || !proc) return FALSE;
    std::vector<HWND> children = w->children;
    for (HWND child : children) {
        if (!window(child)) continue;
        if (!proc(child, lParam)) return FALSE;
        if (!EnumChildWindows(child, proc, lParam) && window(child) && !window(child)->children.empty()) return FALSE;
    }
    return TRUE;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    Window* w = window(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(win::instanceHandle());
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
    case GWLP_ID: return w->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA: return w->userData;
    default: {
        if (index == DWLP_DLGPROC)
            if (DLGPROC* slot = dialogProcSlot(hwnd)) return reinterpret_cast<LONG_PTR>(*slot);
        auto it = w->extra.find(index);
        return it == w->extra.end() ? 0 : it->second;
    }
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* w = window(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWLP_HWNDPARENT:
        if (!w->parent) w->owner = reinterpret_cast<HWND>(value);
        break;
    case GWLP_ID: w->id = value; break;
    case GWL_STYLE: {
        DWORD oldStyle = w->style;
        DWORD newStyle = static_cast<DWORD>(value);
        w->style = newStyle;
        if ((oldStyle ^ newStyle) & WS_VISIBLE) {
            w->style = oldStyle;
            ShowWindow(hwnd, (newStyle & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
            if (Window* again = window(hwnd)) again->style = newStyle;
        }
        invalidateTree(hwnd, true);
        break;
    }
    case GWL_EXSTYLE: w->exStyle = static_cast<DWORD>(value); break;
    case GWLP_USERDATA: w->userData = value; break;
    default:
        if (index == DWLP_DLGPROC) {
            if (DLGPROC* slot = dialogProcSlot(hwnd)) {
                *slot = reinterpret_cast<DLGPROC>(value);
                break;
            }
        }
        w->extra[index] = value;
        break;
    }
    return old;
}

BOOL SetWindowText(HWND hwnd, LPCSTR text) {
    if (!window(hwnd)) return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, LPSTR buffer, int maxCount) {
    if (!window(hwnd) || !buffer || maxCount <= 0) return 0;
    return static_cast<int>(
        SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    if (!window(hwnd)) return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetClassName(HWND hwnd, LPSTR buffer, int maxCount) {
    Window* w = window(hwnd);
    if (!w || maxCount <= 0) return 0;
    return copyText(w->className, buffer, static_cast<size_t>(maxCount));
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = window(hwnd);
    if (!w) return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessage(hwnd, WM_ENABLE, TRUE, 0);
        invalidateTree(hwnd, true);
    } else if (!enable && !wasDisabled) {
        w->style |= WS_DISABLED;
        auto& s = sys();
        // A disabled window cannot keep the keyboard or the mouse.
        if (s.focus && (s.focus == hwnd || IsChild(hwnd, s.focus))) SetFocus(nullptr);
        if (s.capture && (s.capture == hwnd || IsChild(hwnd, s.capture))) ReleaseCapture();
        SendMessage(hwnd, WM_ENABLE, FALSE, 0);
        invalidateTree(hwnd, true);
    }
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = window(hwnd);
    return w && !(w->style & WS_DISABLED);
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    Window* w = window(hwnd);
    if (!w) return FALSE;
    BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
    bool show = cmd != SW_HIDE;
    auto& s = sys();
    if (show != static_cast<bool>(wasVisible)) {
        SendMessage(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        w = window(hwnd);
        if (!w) return wasVisible;
        if (show) {
            w->style |= WS_VISIBLE;
            invalidateTree(hwnd, true);
        } else {
            w->style &= ~WS_VISIBLE;
            if (w->parent) invalidateTree(w->parent, true);
            if (s.focus && (s.focus == hwnd || IsChild(hwnd, s.focus))) {
                // The focus leaves a hidden child for its parent, and a hidden top-level window
                // altogether.
                SetFocus(w->parent ? rootOf(hwnd) : nullptr);
            }
            if (!w->parent && s.active == hwnd) {
                s.active = nullptr;
                SendMessage(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
                HWND next = nullptr;
                Window* again = window(hwnd);
                HWND owner = again ? again->owner : nullptr;
                if (window(owner) && IsWindowVisible(owner) && IsWindowEnabled(owner)) next = owner;
                for (HWND top : s.topLevel)
                    if (!next && top != hwnd && IsWindowVisible(top) && IsWindowEnabled(top)) next = top;
                if (next) SetActiveWindow(next);
            }
        }
    }
    w = window(hwnd);
    if (w && show && !w->parent && cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWMINNOACTIVE &&
        !(w->exStyle & WS_EX_NOACTIVATE))
        SetActiveWindow(hwnd);
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) { return shownWithAncestors(hwnd) ? TRUE : FALSE; }
BOOL IsIconic(HWND hwnd) {
    Window* w = window(hwnd);
    return w && (w->style & WS_MINIMIZE);
}
BOOL IsZoomed(HWND hwnd) {
    Window* w = window(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

BOOL SetProp(HWND hwnd, LPCSTR name, HANDLE data) {
    Window* w = window(hwnd);
    if (!w || !name) return FALSE;
    w->props[name] = data;
    return TRUE;
}

HANDLE GetProp(HWND hwnd, LPCSTR name) {
    Window* w = window(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE RemoveProp(HWND hwnd, LPCSTR name) {
    Window* w = window(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->props.find(name);
    if (it == w->props.end()) return nullptr;
    HANDLE h = it->second;
    w->props.erase(it);
    return h;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = window(hwnd);
    return w ? static_cast<int>(w->id) : 0;
}
