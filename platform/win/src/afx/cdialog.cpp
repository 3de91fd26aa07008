// CDialog and data exchange.

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "afx/afx_internal.h"
#include "dialog/dialog.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_lpszTemplateName(templateId), m_pParentWnd(parent) {}

HWND CDialog::parentHandle() const {
    if (m_pParentWnd && m_pParentWnd->m_hWnd) return m_pParentWnd->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    return main ? main->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal() {
    const win::DialogTemplate* tmpl = win::findDialogTemplate(static_cast<int>(m_lpszTemplateName));
    if (!tmpl || m_hWnd) return -1;
    win::detail::DialogOptions options;
    options.resourceId = static_cast<int>(m_lpszTemplateName);
    win::afx::attachNextWindow(this);
    HWND hwnd = win::detail::createDialog(*tmpl, parentHandle(), nullptr, 0, options);
    win::afx::cancelAttach();
    if (!hwnd) return -1;
    return win::detail::runModal(hwnd);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_lpszTemplateName = templateId;
    if (parent) m_pParentWnd = parent;
    const win::DialogTemplate* tmpl = win::findDialogTemplate(static_cast<int>(templateId));
    if (!tmpl) return FALSE;
    return CreateIndirect(*tmpl, parent);
}

BOOL CDialog::CreateIndirect(const win::DialogTemplate& tmpl, CWnd* parent) {
    if (m_hWnd) return FALSE;
    if (parent) m_pParentWnd = parent;
    win::detail::DialogOptions options;
    options.resourceId = m_lpszTemplateName ? static_cast<int>(m_lpszTemplateName) : tmpl.id;
    win::afx::attachNextWindow(this);
    HWND hwnd = win::detail::createDialog(tmpl, parentHandle(), nullptr, 0, options);
    win::afx::cancelAttach();
    return hwnd ? TRUE : FALSE;
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
    }
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    // A dialog inside another window (a page) leaves the keyboard to the dialog that holds it.
    if (!m_hWnd || (GetStyle() & WS_CHILD)) return FALSE;
    bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                 (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    if (!input) return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
    return ::IsDialogMessage(m_hWnd, msg);
}

BOOL CDialog::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(msg, wParam, lParam, result);
}

void CDialog::NextDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control) ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}
void CDialog::SetDefID(UINT id) { ::SendMessage(m_hWnd, DM_SETDEFID, id, 0); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0)); }

// ---------------------------------------------------------------------------------------------
// Data exchange

HWND CDataExchange::PrepareCtrl(int id) {
    if (m_bSaveAndValidate && m_failed) return nullptr;
    HWND h = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    if (!h) Fail();
    m_lastControl = h;
    return h;
}

namespace {

void reject(CDataExchange* dx, HWND control, const char* message) {
    HWND dialog = dx->m_pDlgWnd->m_hWnd;
    ::MessageBox(dialog, message, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
    // The bad field takes the focus with its text selected, so that what is typed next
    // replaces it (and Enter does not submit the same value again).
    if (control && ::IsWindow(control)) ::SendMessage(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    dx->Fail();
}

std::string textOf(HWND h) {
    int n = ::GetWindowTextLength(h);
    std::string t(static_cast<size_t>(n) + 1, '\0');
    int got = ::GetWindowText(h, t.data(), n + 1);
    t.resize(static_cast<size_t>(got > 0 ? got : 0));
    return t;
}

std::string trimmed(const std::string& s) {
    size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

}  // namespace

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd) return;
    HWND h = dx->PrepareCtrl(id);
    if (h) control.SubclassWindow(h);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate)
        value = textOf(h);
    else
        ::SetWindowText(h, value.c_str());
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (!dx->m_bSaveAndValidate) {
        ::SetWindowText(h, std::to_string(value).c_str());
        return;
    }
    std::string t = trimmed(textOf(h));
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(t.c_str(), &end, 10);
    if (t.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
        reject(dx, h, "Please enter an integer.");
        return;
    }
    value = static_cast<int>(v);
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (!dx->m_bSaveAndValidate) {
        char text[64];
        std::snprintf(text, sizeof text, "%.15g", value);
        ::SetWindowText(h, text);
        return;
    }
    std::string t = trimmed(textOf(h));
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (t.empty() || *end != '\0') {
        reject(dx, h, "Please enter a number.");
        return;
    }
    value = v;
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessage(h, BM_GETCHECK, 0, 0));
    else
        ::SendMessage(h, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    HWND first = dx->PrepareCtrl(id);
    if (!first) return;
    if (dx->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (HWND h = first; h; h = ::GetWindow(h, GW_HWNDNEXT), ++index) {
        if (h != first && (::GetWindowLongPtr(h, GWL_STYLE) & WS_GROUP)) break;
        if (!(::SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessage(h, CB_GETCURSEL, 0, 0));
    else
        ::SendMessage(h, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) {
        value = textOf(h);
    } else if (::SendMessage(h, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str())) ==
               CB_ERR) {
        ::SetWindowText(h, value.c_str());
    }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& value) {
    HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessage(h, LB_GETCURSEL, 0, 0));
    else
        ::SendMessage(h, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum) {
    if (!dx->m_bSaveAndValidate || dx->failed() || (value >= minimum && value <= maximum)) return;
    std::string message =
        "Please enter an integer between " + std::to_string(minimum) + " and " + std::to_string(maximum) + ".";
    reject(dx, dx->lastControl(), message.c_str());
}

void DDV_MinMaxDouble(CDataExchange* dx, double value, double minimum, double maximum) {
    if (!dx->m_bSaveAndValidate || dx->failed() || (value >= minimum && value <= maximum)) return;
    char message[160];
    std::snprintf(message, sizeof message, "Please enter a number between %g and %g.", minimum, maximum);
    reject(dx, dx->lastControl(), message);
}
