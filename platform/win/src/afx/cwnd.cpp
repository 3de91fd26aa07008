// CWnd: attachment to windows, the dispatch of messages to virtual handlers, and the thin
// wrappers over the window calls.

#include <cstring>
#include <memory>
#include <unordered_map>

#include "afx/afx_internal.h"
#include "kernel/kernel.h"
#include "win/system.h"

struct AfxAccess {
    static void setSuper(CWnd* w, WNDPROC p) { w->m_pfnSuper = p; }
};

namespace win::afx {

namespace {

std::unordered_map<HWND, CWnd*>& permanent() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

struct Temporaries {
    std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    int inserted = 0;
};
Temporaries& temporaries() {
    static Temporaries t;
    return t;
}

CWnd* pendingAttach = nullptr;

void subclass(CWnd* wnd, HWND hwnd);

void creationHook(HWND hwnd) {
    if (!pendingAttach) return;
    CWnd* wnd = pendingAttach;
    pendingAttach = nullptr;
    subclass(wnd, hwnd);
}

// The walk every loop makes before dispatching: the target window and its ancestors, innermost
// first, each attached object may take the message (a dialog takes its keys here).
bool preTranslate(MSG* msg) {
    for (HWND h = msg->hwnd; h; h = GetAncestor(h, GA_PARENT)) {
        CWnd* wnd = permanentWnd(h);
        if (wnd && wnd->PreTranslateMessage(msg)) return true;
    }
    return false;
}

struct Installer {
    Installer() {
        detail::sys().createHook = creationHook;
        detail::setPreTranslateHook(preTranslate);
    }
};
Installer installer;

CWnd* makeTemporary(HWND hwnd) {
    std::string cls = detail::lower(detail::window(hwnd)->className);
    if (cls == "button") return new CButton;
    if (cls == "edit" || cls == "richedit20a") return new CEdit;
    if (cls == "combobox") return new CComboBox;
    if (cls == "listbox") return new CListBox;
    if (cls == "static") return new CStatic;
    if (cls == "systabcontrol32") return new CTabCtrl;
    return new CWnd;
}

CWnd* mainWnd = nullptr;

}  // namespace

void attachNextWindow(CWnd* wnd) { pendingAttach = wnd; }
void cancelAttach() { pendingAttach = nullptr; }

CWnd* permanentWnd(HWND hwnd) {
    auto it = permanent().find(hwnd);
    return it == permanent().end() ? nullptr : it->second;
}

namespace {
void subclass(CWnd* wnd, HWND hwnd) {
    wnd->m_hWnd = hwnd;
    permanent()[hwnd] = wnd;
    AfxAccess::setSuper(wnd, reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, GWLP_WNDPROC)));
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
}
}  // namespace

}  // namespace win::afx

using namespace win::afx;

LRESULT AfxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = permanentWnd(hwnd);
    if (!wnd) return DefWindowProc(hwnd, msg, wParam, lParam);
    MSG saved = wnd->m_current;
    wnd->m_current.hwnd = hwnd;
    wnd->m_current.message = msg;
    wnd->m_current.wParam = wParam;
    wnd->m_current.lParam = lParam;
    LRESULT result = wnd->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // The window is gone: the object lets go of it and may delete itself.
        permanent().erase(hwnd);
        wnd->m_hWnd = nullptr;
        wnd->PostNcDestroy();
        return result;
    }
    if (permanentWnd(hwnd) == wnd) wnd->m_current = saved;
    return result;
}

CWnd* AfxGetMainWnd() { return mainWnd; }
void AfxSetMainWnd(CWnd* wnd) { mainWnd = wnd; }
HINSTANCE AfxGetInstanceHandle() { return win::instanceHandle(); }
HINSTANCE AfxGetResourceHandle() { return win::instanceHandle(); }

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (mainWnd == this) mainWnd = nullptr;
    if (m_hWnd && permanentWnd(m_hWnd) == this) {
        HWND hwnd = m_hWnd;
        ::DestroyWindow(hwnd);
        permanent().erase(hwnd);
        m_hWnd = nullptr;
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return permanentWnd(hwnd); }

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd || !::IsWindow(hwnd)) return nullptr;
    if (CWnd* p = permanentWnd(hwnd)) return p;
    auto& t = temporaries();
    auto it = t.map.find(hwnd);
    if (it != t.map.end()) return it->second.get();
    if (++t.inserted % 64 == 0) {
        for (auto i = t.map.begin(); i != t.map.end();) i = ::IsWindow(i->first) ? std::next(i) : t.map.erase(i);
    }
    CWnd* wnd = makeTemporary(hwnd);
    wnd->m_hWnd = hwnd;
    t.map[hwnd].reset(wnd);
    return wnd;
}

BOOL CWnd::Attach(HWND hwnd) {
    if (!::IsWindow(hwnd) || permanentWnd(hwnd)) return FALSE;
    m_hWnd = hwnd;
    permanent()[hwnd] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h && permanentWnd(h) == this) permanent().erase(h);
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!::IsWindow(hwnd) || permanentWnd(hwnd)) return FALSE;
    subclass(this, hwnd);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent) return FALSE;
    HWND h = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return h ? SubclassWindow(h) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    HWND h = m_hWnd;
    if (!h) return nullptr;
    if (m_pfnSuper) SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id, LPVOID param) {
    if (m_hWnd) return FALSE;
    attachNextWindow(this);
    HWND h = ::CreateWindowEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                              rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                              reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)), AfxGetInstanceHandle(), param);
    cancelAttach();
    if (!h) return FALSE;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(m_hWnd, msg, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessage(m_hWnd, msg, wParam, lParam);
}
LRESULT CWnd::SendDlgItemMessage(int id, UINT msg, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessage(m_hWnd, id, msg, wParam, lParam);
}

void CWnd::SetWindowText(LPCSTR text) { ::SetWindowText(m_hWnd, text); }
int CWnd::GetWindowText(LPSTR buffer, int maxCount) const { return ::GetWindowText(m_hWnd, buffer, maxCount); }
void CWnd::GetWindowText(std::string& text) const { text = windowText(); }
std::string CWnd::windowText() const {
    int n = ::GetWindowTextLength(m_hWnd);
    std::string t(static_cast<size_t>(n) + 1, '\0');
    int got = ::GetWindowText(m_hWnd, t.data(), n + 1);
    t.resize(static_cast<size_t>(got > 0 ? got : 0));
    return t;
}
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int id) { return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, id)); }
void CWnd::SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemText(m_hWnd, id, text); }
int CWnd::GetDlgItemText(int id, LPSTR buffer, int maxCount) const {
    return static_cast<int>(::GetDlgItemText(m_hWnd, id, buffer, maxCount));
}
int CWnd::GetDlgItemText(int id, std::string& text) const {
    CWnd* item = GetDlgItem(id);
    text = item ? item->windowText() : std::string();
    return static_cast<int>(text.size());
}
void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}
void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}
int CWnd::GetCheckedRadioButton(int firstId, int lastId) const {
    for (int id = firstId; id <= lastId; ++id)
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED) return id;
    return 0;
}

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE)); }
BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    DWORD style = GetStyle();
    DWORD next = (style & ~remove) | add;
    if (next == style) return FALSE;
    ::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(next));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, flags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
    DWORD style = GetExStyle();
    DWORD next = (style & ~remove) | add;
    if (next == style) return FALSE;
    ::SetWindowLongPtr(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(next));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, flags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}
void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}
CFont* CWnd::GetFont() const { return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))); }

void CWnd::MoveWindow(int x, int y, int cx, int cy, BOOL repaint) { ::MoveWindow(m_hWnd, x, y, cx, cy, repaint); }
void CWnd::MoveWindow(LPCRECT r, BOOL repaint) {
    if (r) ::MoveWindow(m_hWnd, r->left, r->top, r->right - r->left, r->bottom - r->top, repaint);
}
BOOL CWnd::SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT flags) {
    HWND insertAfter = after ? after->m_hWnd : nullptr;
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
}
void CWnd::GetWindowRect(LPRECT r) const { ::GetWindowRect(m_hWnd, r); }
void CWnd::GetClientRect(LPRECT r) const { ::GetClientRect(m_hWnd, r); }
void CWnd::ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
void CWnd::ClientToScreen(LPRECT r) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(r), 2); }
void CWnd::ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
void CWnd::ScreenToClient(LPRECT r) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(r), 2); }
void CWnd::MapWindowPoints(CWnd* to, LPRECT r) const {
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(r), 2);
}
void CWnd::MapWindowPoints(CWnd* to, LPPOINT p, UINT n) const {
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, p, n);
}
void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }

void CWnd::CenterWindow(CWnd* alternate) {
    RECT mine;
    GetWindowRect(&mine);
    HWND around = alternate ? alternate->m_hWnd : ::GetParent(m_hWnd);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (around && ::IsWindowVisible(around)) ::GetWindowRect(around, &area);
    int x = area.left + ((area.right - area.left) - (mine.right - mine.left)) / 2;
    int y = area.top + ((area.bottom - area.top) - (mine.bottom - mine.top)) / 2;
    POINT p{x, y};
    if (GetStyle() & WS_CHILD) ::ScreenToClient(::GetParent(m_hWnd), &p);
    ::SetWindowPos(m_hWnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetOwner() const {
    return FromHandle(::GetWindow(m_hWnd, GW_OWNER) ? ::GetWindow(m_hWnd, GW_OWNER) : ::GetParent(m_hWnd));
}
CWnd* CWnd::GetTopLevelParent() const { return FromHandle(::GetAncestor(m_hWnd, GA_ROOT)); }
CWnd* CWnd::GetWindow(UINT cmd) const { return FromHandle(::GetWindow(m_hWnd, cmd)); }
CWnd* CWnd::GetNextDlgTabItem(CWnd* c, BOOL prev) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, c ? c->m_hWnd : nullptr, prev));
}
CWnd* CWnd::GetNextDlgGroupItem(CWnd* c, BOOL prev) const {
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, c ? c->m_hWnd : nullptr, prev));
}
BOOL CWnd::IsChild(const CWnd* w) const { return w ? ::IsChild(m_hWnd, w->m_hWnd) : FALSE; }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT r, BOOL erase) { ::InvalidateRect(m_hWnd, r, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(LPCRECT r, HRGN region, UINT flags) { return ::RedrawWindow(m_hWnd, r, region, flags); }
CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* dc) {
    if (!dc) return 0;
    HDC h = dc->m_hDC;
    return ::ReleaseDC(m_hWnd, h);
}
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapse, proc); }
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
    return ::MessageBox(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}

BOOL CWnd::UpdateData(BOOL save) {
    CDataExchange dx(this, save);
    DoDataExchange(&dx);
    return dx.failed() ? FALSE : TRUE;
}
void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::Default() {
    if (!m_pfnSuper) return ::DefWindowProc(m_current.hwnd, m_current.message, m_current.wParam, m_current.lParam);
    return ::CallWindowProc(m_pfnSuper, m_current.hwnd, m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(msg, wParam, lParam, &result)) result = Default();
    return result;
}

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    LRESULT r = 0;
    CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (msg) {
    case WM_COMMAND:
        if (reflectToChild(msg, wParam, lParam, reinterpret_cast<HWND>(lParam), &r)) break;
        if (!OnCommand(wParam, lParam)) return FALSE;
        break;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && reflectToChild(msg, wParam, lParam, header->hwndFrom, &r)) break;
        if (!OnNotify(wParam, lParam, &r)) return FALSE;
        break;
    }
    case WM_CREATE: r = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_CLOSE: OnClose(); break;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)),
               HIWORD(static_cast<uintptr_t>(lParam)));
        break;
    case WM_MOVE: OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); break;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); break;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), pt); break;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), pt); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(static_cast<UINT>(wParam), pt); break;
    case WM_RBUTTONDOWN: OnRButtonDown(static_cast<UINT>(wParam), pt); break;
    case WM_RBUTTONUP: OnRButtonUp(static_cast<UINT>(wParam), pt); break;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), pt); break;
    case WM_MOUSEWHEEL: {
        CPoint screen(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        r = OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), screen);
        break;
    }
    case WM_PAINT: OnPaint(); break;
    case WM_ERASEBKGND: r = OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))); break;
    case WM_SETCURSOR:
        r = OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(static_cast<uintptr_t>(lParam)),
                        HIWORD(static_cast<uintptr_t>(lParam)));
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        r = reinterpret_cast<LRESULT>(OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                                                 FromHandle(reinterpret_cast<HWND>(lParam)), msg - WM_CTLCOLORMSGBOX));
        break;
    case WM_TIMER: OnTimer(wParam); break;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)),
                  HIWORD(static_cast<uintptr_t>(lParam)));
        break;
    case WM_KEYUP:
        OnKeyUp(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)),
                HIWORD(static_cast<uintptr_t>(lParam)));
        break;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)),
               HIWORD(static_cast<uintptr_t>(lParam)));
        break;
    case WM_SETFOCUS: OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam))); break;
    case WM_KILLFOCUS: OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam))); break;
    case WM_SHOWWINDOW: OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); break;
    case WM_CONTEXTMENU: OnContextMenu(FromHandle(reinterpret_cast<HWND>(wParam)), pt); break;
    case WM_DRAWITEM: {
        // A control class of the class layer (a picture combo box) may draw its own entries.
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && reflectToChild(msg, wParam, lParam, item->hwndItem, &r)) break;
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    }
    case WM_GETDLGCODE: r = OnGetDlgCode(); break;
    case WM_HSCROLL: OnHScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam))); break;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam))); break;
    default: return FALSE;
    }
    *result = r;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }
BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::reflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, HWND child, LRESULT* result) {
    if (!child || child == m_hWnd || !::IsWindow(child) || ::GetParent(child) != m_hWnd) return FALSE;
    CWnd* object = permanentWnd(child);
    return object && object->OnChildNotify(msg, wParam, lParam, result);
}
void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }
