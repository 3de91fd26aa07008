// Reading back the state of windows through their own messages, and the text dump of the tree.

#include <sstream>

#include "dialog/dialog.h"
#include "kernel/kernel.h"
#include "win/readback.h"
#include "win/combo_checks.h"

namespace win {

using namespace detail;

namespace {

std::string textOf(HWND hwnd) {
    int n = GetWindowTextLength(hwnd);
    std::string t(static_cast<size_t>(n) + 1, '\0');
    int got = GetWindowText(hwnd, t.data(), n + 1);
    t.resize(static_cast<size_t>(std::max(0, got)));
    return t;
}

std::string kindOf(const Window& w) {
    std::string cls = lower(w.className);
    if (isDialogWindow(w.handle)) return "dialog";
    if (cls == "button") {
        switch (w.style & BS_TYPEMASK) {
        case BS_DEFPUSHBUTTON: return "default push";
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX: return "check";
        case BS_3STATE:
        case BS_AUTO3STATE: return "3state";
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return "radio";
        case BS_GROUPBOX: return "group";
        case BS_OWNERDRAW: return "owner-draw";
        default: return "push";
        }
    }
    if (cls == "static") {
        UINT t = w.style & SS_TYPEMASK;
        if (t == SS_ICON) return "icon";
        if (t == SS_BITMAP) return "bitmap";
        if ((t >= SS_BLACKRECT && t <= SS_WHITEFRAME) || (t >= SS_ETCHEDHORZ && t <= SS_ETCHEDFRAME)) return "frame";
        return "static";
    }
    if (cls == "edit" || cls == "richedit20a") return "edit";
    if (cls == "combobox") return "combo";
    if (cls == "listbox") return "list";
    if (cls == "systabcontrol32") return "tab";
    if (cls == "#32768") return "menu";
    return "window";
}

std::string itemText(HWND hwnd, UINT lenMsg, UINT textMsg, int i) {
    LRESULT n = SendMessage(hwnd, lenMsg, static_cast<WPARAM>(i), 0);
    if (n < 0) return {};
    std::string t(static_cast<size_t>(n) + 1, '\0');
    SendMessage(hwnd, textMsg, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(t.data()));
    t.resize(static_cast<size_t>(n));
    return t;
}

void dumpOne(std::ostringstream& out, HWND hwnd, int depth) {
    WindowInfo i = describeWindow(hwnd);
    out << std::string(static_cast<size_t>(depth) * 2, ' ') << i.kind;
    if (i.id) out << " #" << i.id;
    if (i.kind == "window" || i.kind == "dialog") out << " [" << i.className << "]";
    if (i.dialogResourceId) out << " template " << i.dialogResourceId;
    out << " \"" << i.text << "\"";
    out << " (" << i.rectInParent.left << "," << i.rectInParent.top << " "
        << (i.rectInParent.right - i.rectInParent.left) << "x" << (i.rectInParent.bottom - i.rectInParent.top) << ")";
    if (!i.enabled) out << " disabled";
    if (!i.visible) out << " hidden";
    if (i.focused) out << " focused";
    if (i.check == BST_CHECKED) out << " checked";
    if (i.check == BST_INDETERMINATE) out << " indeterminate";
    if (i.readOnly) out << " read-only";
    if (i.dropped) out << " dropped";
    if (!i.items.empty()) {
        out << " items{";
        for (size_t k = 0; k < i.items.size(); ++k) {
            if (k) out << ", ";
            bool sel = std::find(i.selected.begin(), i.selected.end(), static_cast<int>(k)) != i.selected.end();
            if (sel) out << '*';
            if (k < i.checkMarks.size()) out << (i.checkMarks[k] == 1 ? "[x]" : i.checkMarks[k] == 2 ? "[-]" : "[ ]");
            out << '"' << i.items[k] << '"';
        }
        out << "}";
    }
    out << "\n";
    for (HWND child : i.children) dumpOne(out, child, depth + 1);
}

}  // namespace

WindowInfo describeWindow(HWND hwnd) {
    WindowInfo i;
    Window* w = window(hwnd);
    if (!w) return i;
    i.hwnd = hwnd;
    i.className = w->className;
    i.kind = kindOf(*w);
    i.id = static_cast<int>(w->id);
    i.style = w->style;
    i.exStyle = w->exStyle;
    i.text = textOf(hwnd);
    GetWindowRect(hwnd, &i.windowRect);
    RECT client;
    GetClientRect(hwnd, &client);
    POINT o = clientOriginScreen(hwnd);
    i.clientRectScreen = RECT{o.x, o.y, o.x + client.right, o.y + client.bottom};
    i.rectInParent = w->rect;
    i.enabled = !(w->style & WS_DISABLED);
    i.visible = IsWindowVisible(hwnd) != 0;
    i.focused = GetFocus() == hwnd;
    i.font = fontOf(reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0)));
    i.children = w->children;
    std::string cls = lower(w->className);
    if (cls == "button") {
        UINT t = w->style & BS_TYPEMASK;
        if (t != BS_PUSHBUTTON && t != BS_DEFPUSHBUTTON && t != BS_GROUPBOX && t != BS_OWNERDRAW && t != BS_PUSHBOX)
            i.check = static_cast<int>(SendMessage(hwnd, BM_GETCHECK, 0, 0));
        i.pushed = (SendMessage(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        i.isDefault = t == BS_DEFPUSHBUTTON;
        i.icon = reinterpret_cast<HICON>(SendMessage(hwnd, BM_GETIMAGE, IMAGE_ICON, 0));
        i.bitmap = reinterpret_cast<HBITMAP>(SendMessage(hwnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
    } else if (cls == "static") {
        i.icon = reinterpret_cast<HICON>(SendMessage(hwnd, STM_GETIMAGE, IMAGE_ICON, 0));
        i.bitmap = reinterpret_cast<HBITMAP>(SendMessage(hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
    } else if (cls == "edit" || cls == "richedit20a") {
        DWORD a = 0, b = 0;
        SendMessage(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
        i.selStart = static_cast<int>(a);
        i.selEnd = static_cast<int>(b);
        i.readOnly = (w->style & ES_READONLY) != 0;
        i.limit = static_cast<int>(SendMessage(hwnd, EM_GETLIMITTEXT, 0, 0));
    } else if (cls == "listbox") {
        int n = static_cast<int>(SendMessage(hwnd, LB_GETCOUNT, 0, 0));
        bool checks = SendMessage(hwnd, LB_GETCHECKSTYLE, 0, 0) != 0;
        for (int k = 0; k < n; ++k) {
            i.items.push_back(itemText(hwnd, LB_GETTEXTLEN, LB_GETTEXT, k));
            if (SendMessage(hwnd, LB_GETSEL, static_cast<WPARAM>(k), 0) > 0) i.selected.push_back(k);
            if (checks)
                i.checkMarks.push_back(static_cast<int>(SendMessage(hwnd, LB_GETCHECK, static_cast<WPARAM>(k), 0)));
        }
        i.selection = static_cast<int>(SendMessage(hwnd, LB_GETCURSEL, 0, 0));
        i.topIndex = static_cast<int>(SendMessage(hwnd, LB_GETTOPINDEX, 0, 0));
    } else if (cls == "combobox") {
        int n = static_cast<int>(SendMessage(hwnd, CB_GETCOUNT, 0, 0));
        bool checks = SendMessage(hwnd, CB_GETCHECKSTYLE, 0, 0) != 0;
        for (int k = 0; k < n; ++k) {
            i.items.push_back(itemText(hwnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, k));
            if (checks)
                i.checkMarks.push_back(static_cast<int>(SendMessage(hwnd, CB_GETCHECK, static_cast<WPARAM>(k), 0)));
        }
        i.selection = static_cast<int>(SendMessage(hwnd, CB_GETCURSEL, 0, 0));
        if (i.selection >= 0) i.selected.push_back(i.selection);
        i.dropped = SendMessage(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
        i.topIndex = static_cast<int>(SendMessage(hwnd, CB_GETTOPINDEX, 0, 0));
        i.itemHeight = static_cast<int>(SendMessage(hwnd, CB_GETITEMHEIGHT, 0, 0));
        DWORD a = 0, b = 0;
        if (SendMessage(hwnd, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b)) != CB_ERR) {
            i.selStart = static_cast<int>(a);
            i.selEnd = static_cast<int>(b);
        }
    } else if (cls == "systabcontrol32") {
        int n = static_cast<int>(SendMessage(hwnd, TCM_GETITEMCOUNT, 0, 0));
        for (int k = 0; k < n; ++k) {
            char buffer[256] = {};
            TCITEM item;
            item.mask = TCIF_TEXT;
            item.pszText = buffer;
            item.cchTextMax = sizeof buffer;
            SendMessage(hwnd, TCM_GETITEM, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(&item));
            i.items.push_back(buffer);
        }
        i.selection = static_cast<int>(SendMessage(hwnd, TCM_GETCURSEL, 0, 0));
        if (i.selection >= 0) i.selected.push_back(i.selection);
    }
    if (DialogData* d = dialogData(hwnd)) {
        i.dialogResourceId = d->resourceId;
        i.modal = d->modal;
    }
    return i;
}

std::string dumpWindowTree(HWND root) {
    std::ostringstream out;
    if (root) {
        if (window(root)) dumpOne(out, root, 0);
    } else {
        for (HWND top : topLevelWindows()) dumpOne(out, top, 0);
    }
    return out.str();
}

std::vector<HWND> topLevelWindows() { return sys().topLevel; }

std::vector<HWND> childWindows(HWND parent) {
    Window* w = window(parent);
    return w ? w->children : std::vector<HWND>{};
}

HWND findControl(HWND root, int id) {
    for (HWND child : childWindows(root))
        if (GetDlgCtrlID(child) == id) return child;
    for (HWND child : childWindows(root))
        if (HWND found = findControl(child, id)) return found;
    return nullptr;
}

HWND findOpenDialog(int resourceId) {
    // A shown dialog wins over a hidden one: the pages of a tabbed dialog share one template,
    // and a person addresses the page in front.
    HWND best = nullptr;
    bool bestShown = false;
    uint64_t newest = 0;
    for (auto& [key, w] : sys().windows) {
        DialogData* d = dynamic_cast<DialogData*>(w->data.get());
        if (!d || d->resourceId != resourceId || d->ended || w->destroying) continue;
        const bool shown = IsWindowVisible(w->handle) != FALSE;
        if ((shown && !bestShown) || (shown == bestShown && w->serial > newest)) {
            newest = w->serial;
            best = w->handle;
            bestShown = shown;
        }
    }
    return best;
}

int dialogResourceId(HWND dialog) {
    DialogData* d = dialogData(dialog);
    return d ? d->resourceId : 0;
}

bool isModalDialog(HWND dialog) {
    DialogData* d = dialogData(dialog);
    return d && d->modal;
}

HWND defaultButton(HWND dialog) {
    Window* w = window(dialog);
    if (!w) return nullptr;
    for (HWND c : w->children) {
        Window* cw = window(c);
        if (cw && lower(cw->className) == "button" && (cw->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return c;
        if (cw && (cw->exStyle & WS_EX_CONTROLPARENT))
            if (HWND inner = defaultButton(c)) return inner;
    }
    return nullptr;
}

}  // namespace win
