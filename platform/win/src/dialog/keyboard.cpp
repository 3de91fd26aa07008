// The dialog keyboard interface (Tab, arrows in groups, Enter, Escape), the default push
// button, and the dialog-item helpers.

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "base/case_fold.h"
#include "controls/controls.h"
#include "dialog/dialog.h"

namespace win::detail {

namespace {

UINT dlgCode(HWND hwnd, const MSG* msg = nullptr) {
    return static_cast<UINT>(SendMessage(hwnd, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg)));
}

bool isPushButton(HWND hwnd) { return (dlgCode(hwnd) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0; }

bool isPlainPushButton(HWND hwnd) {
    Window* w = window(hwnd);
    if (!w || lower(w->className) != "button") return false;
    UINT t = w->style & BS_TYPEMASK;
    return t == BS_PUSHBUTTON || t == BS_DEFPUSHBUTTON;
}

// A control's own state decides, not its dialog's: a dialog sets its focus while it is still
// hidden.
bool usable(HWND hwnd) {
    Window* w = window(hwnd);
    return w && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED);
}

// The controls of a dialog in tab order: z-order, descending into child dialogs and other
// windows that contain controls (WS_EX_CONTROLPARENT), such as the pages of a tabbed dialog.
void collect(HWND parent, std::vector<HWND>& out) {
    Window* p = window(parent);
    if (!p) return;
    for (HWND child : p->children) {
        Window* c = window(child);
        if (!c) continue;
        if ((c->exStyle & WS_EX_CONTROLPARENT) && !c->children.empty()) {
            if (usable(child)) collect(child, out);
        } else {
            out.push_back(child);
        }
    }
}

HWND checkedRadioOf(HWND radio) {
    for (HWND h : groupOf(radio))
        if ((dlgCode(h) & DLGC_RADIOBUTTON) && usable(h) && SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED) return h;
    return radio;
}

HWND nearestDialog(HWND hwnd) {
    for (Window* w = window(hwnd); w; w = window(w->parent))
        if (w->handle != hwnd && isDialogWindow(w->handle) && !(w->exStyle & WS_EX_CONTROLPARENT && w->parent))
            return w->handle;
    return nullptr;
}

// The letter a control's label marks with '&' ("&&" is a plain '&'); 0 when none.  Only
// buttons (group boxes included) and statics carry mnemonics: an edit's text is data.
unsigned char mnemonicOf(HWND hwnd) {
    Window* w = window(hwnd);
    if (!w) return 0;
    std::string cls = lower(w->className);
    if (cls != "button" && cls != "static") return 0;
    if (cls == "static" && (w->style & SS_NOPREFIX)) return 0;
    const std::string& t = w->text;
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != '&') continue;
        if (t[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<unsigned char>(t[i + 1]);
    }
    return 0;
}

bool sameLetter(unsigned char a, unsigned char b) {
    return a && b && base::toLower1252(static_cast<char>(a)) == base::toLower1252(static_cast<char>(b));
}

// Where a label or group box sends the focus: the next control after it that is not itself a
// label (for a group box, the checked radio button of the group it heads); nullptr when that
// control cannot take the focus.
HWND labelTarget(const std::vector<HWND>& controls, size_t labelIndex) {
    for (size_t i = labelIndex + 1; i < controls.size(); ++i) {
        HWND h = controls[i];
        if (dlgCode(h) & DLGC_STATIC) continue;
        if (!usable(h)) return nullptr;
        return (dlgCode(h) & DLGC_RADIOBUTTON) ? checkedRadioOf(h) : h;
    }
    return nullptr;
}

// Carries out the mnemonic `letter`: the search starts behind the focus and wraps; disabled
// and hidden controls (and labels of such controls) are skipped.  A label or group box moves
// the focus on (an edit's text selected), a push button is clicked once, a check box or radio
// button gets the focus and is clicked.  False when no control has the letter.
bool runMnemonic(HWND dialog, unsigned char letter) {
    std::vector<HWND> controls;
    collect(dialog, controls);
    if (controls.empty()) return false;
    auto pos = std::find(controls.begin(), controls.end(), GetFocus());
    size_t n = controls.size();
    size_t start = pos == controls.end() ? n - 1 : static_cast<size_t>(pos - controls.begin());
    for (size_t k = 1; k <= n; ++k) {
        size_t i = (start + k) % n;
        HWND h = controls[i];
        if (!usable(h) || !sameLetter(mnemonicOf(h), letter)) continue;
        if (dlgCode(h) & DLGC_STATIC) {
            HWND target = labelTarget(controls, i);
            if (!target) continue;
            dialogSetFocus(target);
            return true;
        }
        if (!isPushButton(h)) dialogSetFocus(h);
        SendMessage(h, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

}  // namespace

// Keeps the default push button where Windows shows it: on the focused push button, else on
// the dialog's default id.
void focusChanged(HWND, HWND newFocus) {
    HWND dlg = nearestDialog(newFocus);
    if (!dlg) return;
    std::vector<HWND> controls;
    collect(dlg, controls);
    HWND wantDefault = nullptr;
    if (newFocus && isPushButton(newFocus) && isPlainPushButton(newFocus)) {
        wantDefault = newFocus;
    } else {
        LRESULT def = SendMessage(dlg, DM_GETDEFID, 0, 0);
        if (HIWORD(static_cast<uintptr_t>(def)) == DC_HASDEFID) {
            for (HWND c : controls)
                if (GetDlgCtrlID(c) == LOWORD(static_cast<uintptr_t>(def))) wantDefault = c;
        }
    }
    for (HWND c : controls) {
        if (!isPlainPushButton(c)) continue;
        bool isDefault = (window(c)->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        if (c == wantDefault && !isDefault) SendMessage(c, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        if (c != wantDefault && isDefault) SendMessage(c, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
}

}  // namespace win::detail

using namespace win::detail;

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> list;
    collect(dialog, list);
    std::vector<HWND> stops;
    for (HWND h : list)
        if (usable(h) && (window(h)->style & WS_TABSTOP)) stops.push_back(h);
    if (stops.empty()) return control;
    auto pos = std::find(list.begin(), list.end(), control);
    if (pos == list.end()) return previous ? stops.back() : stops.front();
    long n = static_cast<long>(list.size());
    long start = pos - list.begin();
    for (long k = 1; k <= n; ++k) {
        long i = previous ? ((start - k) % n + n) % n : (start + k) % n;
        HWND h = list[static_cast<size_t>(i)];
        if (usable(h) && (window(h)->style & WS_TABSTOP)) return h;
    }
    return control;
}

HWND GetNextDlgGroupItem(HWND, HWND control, BOOL previous) {
    std::vector<HWND> group = groupOf(control);
    auto pos = std::find(group.begin(), group.end(), control);
    if (pos == group.end()) return control;
    long n = static_cast<long>(group.size());
    long start = pos - group.begin();
    for (long k = 1; k < n; ++k) {
        long i = previous ? ((start - k) % n + n) % n : (start + k) % n;
        HWND h = group[static_cast<size_t>(i)];
        if (usable(h) && !(dlgCode(h) & DLGC_STATIC)) return h;
    }
    return control;
}

BOOL IsDialogMessage(HWND dialog, LPMSG msg) {
    if (!msg || !window(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) return FALSE;
    if (msg->message == WM_SYSCHAR) {
        // Alt+letter: a mnemonic, or a beep when no control has it.
        if (!runMnemonic(dialog, static_cast<unsigned char>(msg->wParam))) MessageBeep(0);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) {
        UINT code = dlgCode(msg->hwnd, msg);
        if (!(code & DLGC_WANTMESSAGE)) {
            UINT vk = static_cast<UINT>(msg->wParam);
            if (msg->message == WM_CHAR) {
                // The characters of the keys the dialog took are not typed.
                if ((vk == '\t' && !(code & DLGC_WANTTAB)) || vk == '\r' || vk == 27) return TRUE;
                // A control that takes no characters (a button) lets a plain letter act as a
                // mnemonic, as Alt+letter does.
                if (!(code & DLGC_WANTCHARS) && vk > ' ' && runMnemonic(dialog, static_cast<unsigned char>(vk)))
                    return TRUE;
            } else {
                switch (vk) {
                case VK_TAB: {
                    if (code & DLGC_WANTTAB) break;
                    bool back = GetKeyState(VK_SHIFT) < 0;
                    HWND next = GetNextDlgTabItem(dialog, GetFocus(), back ? TRUE : FALSE);
                    if (next && (dlgCode(next) & DLGC_RADIOBUTTON)) next = checkedRadioOf(next);
                    if (next) dialogSetFocus(next);
                    return TRUE;
                }
                case VK_LEFT:
                case VK_UP:
                case VK_RIGHT:
                case VK_DOWN: {
                    if (code & DLGC_WANTARROWS) break;
                    HWND focus = GetFocus();
                    if (!focus) return TRUE;
                    HWND next = GetNextDlgGroupItem(dialog, focus, (vk == VK_LEFT || vk == VK_UP) ? TRUE : FALSE);
                    if (next && next != focus) {
                        dialogSetFocus(next);
                        // Arriving at a radio button by keyboard selects it, as a click would.
                        if (dlgCode(next) & DLGC_RADIOBUTTON) SendMessage(next, BM_CLICK, 0, 0);
                    }
                    return TRUE;
                }
                case VK_RETURN: {
                    HWND focus = GetFocus();
                    int id = IDOK;
                    HWND button = nullptr;
                    if (focus && isPushButton(focus) && IsChild(dialog, focus)) {
                        id = GetDlgCtrlID(focus);
                        button = focus;
                    } else {
                        LRESULT def = SendMessage(dialog, DM_GETDEFID, 0, 0);
                        if (HIWORD(static_cast<uintptr_t>(def)) == DC_HASDEFID)
                            id = LOWORD(static_cast<uintptr_t>(def));
                        button = GetDlgItem(dialog, id);
                    }
                    if (button && !IsWindowEnabled(button)) {
                        MessageBeep(0);
                        return TRUE;
                    }
                    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                                reinterpret_cast<LPARAM>(button));
                    return TRUE;
                }
                case VK_ESCAPE: {
                    HWND cancel = GetDlgItem(dialog, IDCANCEL);
                    if (cancel && !IsWindowEnabled(cancel)) {
                        MessageBeep(0);
                        return TRUE;
                    }
                    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
                    return TRUE;
                }
                default: break;
                }
            }
        }
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* w = window(dialog);
    if (!w) return nullptr;
    for (HWND child : w->children)
        if (Window* c = window(child); c && static_cast<int>(c->id) == id) return child;
    return nullptr;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
    HWND h = GetDlgItem(dialog, id);
    return h ? SetWindowText(h, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int maxCount) {
    HWND h = GetDlgItem(dialog, id);
    if (!h) {
        if (buffer && maxCount > 0) buffer[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowText(h, buffer, maxCount));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[32];
    if (isSigned)
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else
        std::snprintf(text, sizeof text, "%u", value);
    return SetDlgItemText(dialog, id, text);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated) *translated = FALSE;
    HWND h = GetDlgItem(dialog, id);
    if (!h) return 0;
    int n = GetWindowTextLength(h);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    GetWindowText(h, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    size_t a = text.find_first_not_of(' ');
    size_t b = text.find_last_not_of(' ');
    if (a == std::string::npos) return 0;
    text = text.substr(a, b - a + 1);
    bool negative = false;
    size_t i = 0;
    if (isSigned && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i >= text.size()) return 0;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return 0;
        value = value * 10 + (text[i] - '0');
        if (value >
            (isSigned ? static_cast<long long>(INT_MAX) + (negative ? 1 : 0) : static_cast<long long>(UINT_MAX)))
            return 0;
    }
    if (translated) *translated = TRUE;
    return static_cast<UINT>(negative ? -value : value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND h = GetDlgItem(dialog, id);
    if (!h) return FALSE;
    SendMessage(h, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND h = GetDlgItem(dialog, id);
    return h ? static_cast<UINT>(SendMessage(h, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    for (int id = firstId; id <= lastId; ++id)
        if (HWND h = GetDlgItem(dialog, id))
            SendMessage(h, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND h = GetDlgItem(dialog, id);
    return h ? SendMessage(h, msg, wParam, lParam) : 0;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) { return window(dialog) && rect ? TRUE : FALSE; }

LONG GetDialogBaseUnits() {
    win::FontSpec f;
    return static_cast<LONG>(MAKELONG(static_cast<WORD>(win::averageCharWidth(f)), static_cast<WORD>(f.height)));
}
