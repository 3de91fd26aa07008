// Dialogs from templates, the default dialog procedure, and the modal loop.

#include <map>

#include "controls/controls.h"
#include "dialog/dialog.h"
#include "win/system.h"
#include "win/wingdi.h"

namespace win::detail {

namespace {

struct Pending {
    DLGPROC proc = nullptr;
    DialogOptions options;
    bool active = false;
};
Pending pending;
std::string lastError;

HFONT dialogFont(const std::string& face, int height) {
    static std::map<std::pair<std::string, int>, HFONT> cache;
    auto key = std::make_pair(face, height);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    HFONT f = CreateFont(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face.c_str());
    cache[key] = f;
    return f;
}

// Messages whose result is the dialog procedure's own return value, not DWLP_MSGRESULT.
bool returnsDirectly(UINT msg) {
    return msg == WM_INITDIALOG || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_GETDLGCODE;
}

HWND firstTabItem(HWND dlg) { return GetNextDlgTabItem(dlg, nullptr, FALSE); }

bool dialogEnded(HWND dlg) {
    DialogData* d = dataOf<DialogData>(dlg);
    return !d || d->ended;
}

}  // namespace

DialogData* dialogData(HWND hwnd) { return dataOf<DialogData>(hwnd); }

DLGPROC* dialogProcSlot(HWND hwnd) {
    DialogData* d = dialogData(hwnd);
    return d ? &d->proc : nullptr;
}

bool isDialogWindow(HWND hwnd) { return dialogData(hwnd) != nullptr; }

void dialogSetFocus(HWND control) {
    if (!window(control)) return;
    if (lower(window(control)->className) == "edit") SendMessage(control, EM_SETSEL, 0, -1);
    SetFocus(control);
}

HWND createDialog(const DialogTemplate& tmpl, HWND parent, DLGPROC proc, LPARAM init, DialogOptions options) {
    lastError.clear();
    DWORD style = tmpl.style;
    DWORD exStyle = tmpl.exStyle;
    if (style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    if (style & DS_CONTROL) {
        style &= ~(WS_CAPTION | WS_SYSMENU);
        exStyle |= WS_EX_CONTROLPARENT;
    }
    bool child = (style & WS_CHILD) != 0;
    if (child && !window(parent)) {
        lastError = "dialog " + std::to_string(options.resourceId) + ": a child dialog needs a parent";
        return nullptr;
    }
    bool visible = (style & WS_VISIBLE) != 0;
    style &= ~WS_VISIBLE;

    RECT frame{0, 0, tmpl.cx, tmpl.cy};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int x = tmpl.x, y = tmpl.y;
    HWND owner = child ? nullptr : (parent ? GetAncestor(parent, GA_ROOT) : nullptr);
    if (!child) {
        RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &around);
        if (style & (DS_CENTER | DS_CENTERMOUSE)) {
            x = around.left + ((around.right - around.left) - width) / 2;
            y = around.top + ((around.bottom - around.top) - height) / 2;
        } else if (owner && !(style & DS_ABSALIGN)) {
            POINT o{0, 0};
            ClientToScreen(owner, &o);
            x += o.x;
            y += o.y;
        }
    }

    pending = Pending{proc, options, true};
    HWND hwnd = CreateWindowEx(exStyle, "#32770", tmpl.caption.c_str(), style, x, y, width, height,
                               child ? parent : owner, nullptr, win::instanceHandle(), nullptr);
    pending.active = false;
    if (!hwnd) {
        lastError = "dialog " + std::to_string(options.resourceId) + ": the window could not be created";
        return nullptr;
    }
    DialogData* d = dialogData(hwnd);
    d->font = dialogFont(tmpl.fontFace, tmpl.fontHeight);
    SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(d->font), FALSE);

    for (const ControlTemplate& c : tmpl.controls) {
        DWORD cstyle = (c.style | WS_CHILD) & ~WS_POPUP;
        HWND control =
            CreateWindowEx(c.exStyle, c.className.c_str(), c.text.c_str(), cstyle, c.x, c.y, c.cx, c.cy, hwnd,
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(c.id)), win::instanceHandle(), nullptr);
        if (!window(hwnd)) {
            lastError = "dialog " + std::to_string(options.resourceId) + ": destroyed while its controls were created";
            return nullptr;
        }
        if (!control) {
            if (tmpl.style & DS_NOFAILCREATE) continue;
            lastError = "dialog " + std::to_string(options.resourceId) + ": control " + std::to_string(c.id) +
                        " of class \"" + c.className + "\" could not be created";
            DestroyWindow(hwnd);
            return nullptr;
        }
        SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogData(hwnd)->font), FALSE);
        if (lower(c.className) == "button" && (c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && !dialogData(hwnd)->defId)
            dialogData(hwnd)->defId = c.id;
    }

    HWND first = firstTabItem(hwnd);
    LRESULT setFocus = SendMessage(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), init);
    if (!window(hwnd)) {
        lastError = "dialog " + std::to_string(options.resourceId) + ": closed during its initialisation";
        return nullptr;
    }
    if (setFocus) {
        HWND target = firstTabItem(hwnd);
        if (target && target != hwnd) dialogSetFocus(target);
    }
    if (visible && window(hwnd) && !dialogData(hwnd)->ended) ShowWindow(hwnd, SW_SHOWNORMAL);
    return window(hwnd) ? hwnd : nullptr;
}

INT_PTR runModal(HWND hwnd) {
    DialogData* d = dialogData(hwnd);
    if (!d) return -1;
    d->modal = true;
    HWND owner = GetWindow(hwnd, GW_OWNER);
    bool reenable = false;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        reenable = true;
    }
    if (!d->ended) ShowWindow(hwnd, SW_SHOWNORMAL);
    if (!GetFocus() || GetAncestor(GetFocus(), GA_ROOT) != hwnd) {
        HWND first = firstTabItem(hwnd);
        if (first && !dialogData(hwnd)->ended) dialogSetFocus(first);
    }
    auto& s = sys();
    ++s.modalDepth;
    INT_PTR result = -1;
    for (;;) {
        d = dialogData(hwnd);
        if (!d) break;
        if (d->ended) {
            result = d->result;
            break;
        }
        MSG msg;
        if (!waitMessage(msg, hwnd, dialogEnded)) {
            if (dialogEnded(hwnd)) continue;
            if (s.source) s.source->abandoned(hwnd);
            if (dialogData(hwnd) && !dialogData(hwnd)->ended) EndDialog(hwnd, -1);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            EndDialog(hwnd, -1);
            continue;
        }
        processMessage(msg);
    }
    --s.modalDepth;
    if (reenable && window(owner)) EnableWindow(owner, TRUE);
    if (window(hwnd)) DestroyWindow(hwnd);
    return result;
}

LRESULT dialogClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefDlgProc(hwnd, msg, wParam, lParam);
}

}  // namespace win::detail

using namespace win::detail;

namespace win {
std::string lastDialogError() { return lastError; }
}  // namespace win

LRESULT DefDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    if (!w->data) {
        auto data = std::make_unique<DialogData>();
        if (pending.active) {
            data->proc = pending.proc;
            data->resourceId = pending.options.resourceId;
            data->kind = pending.options.kind;
            pending.active = false;
        }
        w->data = std::move(data);
    }
    DialogData* d = dialogData(hwnd);
    if (!d) return DefWindowProc(hwnd, msg, wParam, lParam);
    if (d->proc) {
        w->extra[DWLP_MSGRESULT] = 0;
        INT_PTR r = d->proc(hwnd, msg, wParam, lParam);
        d = dialogData(hwnd);
        if (!d) return r;
        // A dialog procedure answering FALSE to WM_INITDIALOG has set the focus itself.
        if (msg == WM_INITDIALOG) return r;
        if (r) return returnsDirectly(msg) ? r : GetWindowLongPtr(hwnd, DWLP_MSGRESULT);
    }
    switch (msg) {
    case WM_INITDIALOG: return TRUE;
    case WM_CLOSE: {
        HWND cancel = GetDlgItem(hwnd, IDCANCEL);
        if (cancel && !IsWindowEnabled(cancel)) {
            MessageBeep(0);
            return 0;
        }
        SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case DM_GETDEFID: return d->defId ? MAKELRESULT(static_cast<WORD>(d->defId), DC_HASDEFID) : 0;
    case DM_SETDEFID: {
        HWND old = d->defId ? GetDlgItem(hwnd, d->defId) : nullptr;
        d->defId = static_cast<int>(wParam);
        HWND focus = GetFocus();
        bool focusOnPush = focus && GetParent(focus) == hwnd &&
                           (SendMessage(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
        if (!focusOnPush) {
            if (old && (SendMessage(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
                SendMessage(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
            HWND now = GetDlgItem(hwnd, d->defId);
            if (now && (SendMessage(now, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
                SendMessage(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        }
        return TRUE;
    }
    case WM_NEXTDLGCTL: {
        HWND target = LOWORD(static_cast<uintptr_t>(lParam)) ? reinterpret_cast<HWND>(wParam)
                                                             : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
        if (target) dialogSetFocus(target);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND f = GetFocus();
            if (f && IsChild(hwnd, f)) d->focusSave = f;
        } else {
            HWND f = GetFocus();
            if (!f || !IsChild(hwnd, f)) {
                HWND target = d->focusSave;
                if (!window(target) || !IsChild(hwnd, target) || !IsWindowEnabled(target) || !IsWindowVisible(target))
                    target = firstTabItem(hwnd);
                if (target && target != hwnd) SetFocus(target);
            }
        }
        return 0;
    case WM_SETFOCUS: {
        HWND target = d->focusSave;
        if (!window(target) || !IsChild(hwnd, target) || !IsWindowEnabled(target)) target = firstTabItem(hwnd);
        if (target && target != hwnd) SetFocus(target);
        return 0;
    }
    case WM_DESTROY: d->ended = true; return 0;
    case WM_GETDLGCODE: return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

HWND CreateDialogParam(HINSTANCE, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM init) {
    int id = IS_INTRESOURCE(templateName) ? static_cast<int>(reinterpret_cast<uintptr_t>(templateName)) : 0;
    const win::DialogTemplate* tmpl = id ? win::findDialogTemplate(id) : nullptr;
    if (!tmpl) {
        lastError = "dialog " + std::to_string(id) + ": no template with this id";
        return nullptr;
    }
    DialogOptions options;
    options.resourceId = id;
    return createDialog(*tmpl, parent, proc, init, options);
}

HWND CreateDialogIndirectParam(HINSTANCE, const win::DialogTemplate* tmpl, HWND parent, DLGPROC proc, LPARAM init) {
    if (!tmpl) return nullptr;
    DialogOptions options;
    options.resourceId = tmpl->id;
    return createDialog(*tmpl, parent, proc, init, options);
}

INT_PTR DialogBoxParam(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM init) {
    HWND hwnd = CreateDialogParam(instance, templateName, parent, proc, init);
    return hwnd ? runModal(hwnd) : -1;
}

INT_PTR DialogBoxIndirectParam(HINSTANCE instance, const win::DialogTemplate* tmpl, HWND parent, DLGPROC proc,
                               LPARAM init) {
    HWND hwnd = CreateDialogIndirectParam(instance, tmpl, parent, proc, init);
    return hwnd ? runModal(hwnd) : -1;
}

BOOL EndDialog(HWND hwnd, INT_PTR result) {
    DialogData* d = dialogData(hwnd);
    if (!d) return FALSE;
    d->ended = true;
    d->result = result;
    // A modeless dialog is only hidden; its owner destroys it.
    if (!d->modal) ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}
