// The EDIT class: single and multi-line text fields with selection, caret, limit, read-only
// state, the clipboard keys and the notifications EN_CHANGE, EN_SETFOCUS, EN_KILLFOCUS and
// EN_MAXTEXT.  The rich edit class ("RichEdit20A") is the same field whose lines end at CR LF,
// LF CR, CR or LF alike.

#include <cctype>
#include <cstdio>
#include <cstring>

#include "base/case_fold.h"
#include "controls/controls.h"
#include "controls/edit_buffer.h"
#include "win/system.h"

namespace win::detail {

namespace {

constexpr int kMargin = 2;

struct EditData : ControlData {
    EditBuffer buffer;
    bool modified = false;
    bool tracking = false;
    char passwordChar = 0;
    std::string undoText;
    bool canUndo = false;
    // Characters typed one after another form one undo step; any other edit, a caret move
    // or a click ends the run.
    bool typingRun = false;
};

void changed(HWND hwnd, EditData& d) {
    if (Window* w = window(hwnd)) w->text = d.buffer.text;
    d.modified = true;
    invalidateTree(hwnd, false);
    notifyParent(hwnd, EN_UPDATE);
    notifyParent(hwnd, EN_CHANGE);
}

bool readOnly(HWND hwnd) {
    Window* w = window(hwnd);
    return w && (w->style & ES_READONLY);
}

// Replaces the selection as typing does, keeping the text for undo and telling the parent.
// A typed character continues the current typing run: undo takes back the whole run.
void typeIn(HWND hwnd, EditData& d, const std::string& text, bool typedCharacter = false) {
    std::string before = d.buffer.text;
    bool truncated = false;
    if (!d.buffer.replaceSelection(text, &truncated)) {
        notifyParent(hwnd, EN_MAXTEXT);
        return;
    }
    if (!(typedCharacter && d.typingRun && d.canUndo)) d.undoText = before;
    d.typingRun = typedCharacter;
    d.canUndo = true;
    changed(hwnd, d);
    if (truncated) notifyParent(hwnd, EN_MAXTEXT);
}

std::string filterTyped(HWND hwnd, std::string text) {
    Window* w = window(hwnd);
    if (!w) return text;
    for (char& c : text) {
        if (w->style & ES_UPPERCASE) c = base::toUpper1252(c);
        if (w->style & ES_LOWERCASE) c = base::toLower1252(c);
    }
    return text;
}

void copySelection(EditData& d) {
    if (d.buffer.hasSelection() && !d.passwordChar) win::setClipboardText(d.buffer.selectedText());
}

}  // namespace

LRESULT editProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    if (msg == WM_NCCREATE) {
        auto data = std::make_unique<EditData>();
        data->buffer.multiLine = (w->style & ES_MULTILINE) != 0;
        if (w->style & ES_PASSWORD) data->passwordChar = '*';
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) data->buffer.setText(cs->lpszName);
        w->text = data->buffer.text;
        w->data = std::move(data);
        return TRUE;
    }
    auto* d = dataOf<EditData>(hwnd);
    if (!d) return DefWindowProc(hwnd, msg, wParam, lParam);
    EditBuffer& b = d->buffer;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool control = GetKeyState(VK_CONTROL) < 0;
    switch (msg) {
    case WM_SETTEXT:
        b.setText(lParam ? reinterpret_cast<const char*>(lParam) : "");
        w->text = b.text;
        d->modified = false;
        d->canUndo = false;
        invalidateTree(hwnd, false);
        if (!b.multiLine) {
            notifyParent(hwnd, EN_UPDATE);
            notifyParent(hwnd, EN_CHANGE);
        }
        return TRUE;
    case WM_GETTEXT: return copyText(b.text, reinterpret_cast<char*>(lParam), static_cast<size_t>(wParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(b.text.size());
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        auto* m = reinterpret_cast<const MSG*>(lParam);
        // Enter and the '\r' it types both belong to a multi-line field that wants them.
        if (b.multiLine && (w->style & ES_WANTRETURN) && m &&
            ((m->message == WM_KEYDOWN && m->wParam == VK_RETURN) || (m->message == WM_CHAR && m->wParam == '\r')))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_CHAR: {
        auto ch = static_cast<unsigned char>(wParam);
        switch (ch) {
        case 1:
            b.selectAll();
            invalidateTree(hwnd, false);
            return 0;
        case 3: SendMessage(hwnd, WM_COPY, 0, 0); return 0;
        case 22: SendMessage(hwnd, WM_PASTE, 0, 0); return 0;
        case 24: SendMessage(hwnd, WM_CUT, 0, 0); return 0;
        case 26: SendMessage(hwnd, WM_UNDO, 0, 0); return 0;
        case 8:
            if (readOnly(hwnd)) return 0;
            {
                std::string before = b.text;
                if (b.backspace()) {
                    d->undoText = before;
                    d->canUndo = true;
                    d->typingRun = false;
                    changed(hwnd, *d);
                }
            }
            return 0;
        case '\r':
            if (b.multiLine && (w->style & ES_WANTRETURN) && !readOnly(hwnd)) typeIn(hwnd, *d, "\r\n", true);
            return 0;
        default:
            if (ch < 32 || readOnly(hwnd)) return 0;
            if ((w->style & ES_NUMBER) && !std::isdigit(ch)) return 0;
            typeIn(hwnd, *d, filterTyped(hwnd, std::string(1, static_cast<char>(ch))), true);
            return 0;
        }
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_LEFT:
            if (control)
                b.moveWordLeft(shift);
            else
                b.moveLeft(shift);
            break;
        case VK_RIGHT:
            if (control)
                b.moveWordRight(shift);
            else
                b.moveRight(shift);
            break;
        case VK_HOME: b.moveHome(shift); break;
        case VK_END: b.moveEnd(shift); break;
        case VK_UP: b.moveLine(-1, shift); break;
        case VK_DOWN: b.moveLine(1, shift); break;
        case VK_DELETE:
            if (shift) {
                SendMessage(hwnd, WM_CUT, 0, 0);
            } else if (!readOnly(hwnd)) {
                std::string before = b.text;
                if (b.deleteForward()) {
                    d->undoText = before;
                    d->canUndo = true;
                    d->typingRun = false;
                    changed(hwnd, *d);
                }
            }
            return 0;
        case VK_INSERT:
            if (shift) SendMessage(hwnd, WM_PASTE, 0, 0);
            if (control) SendMessage(hwnd, WM_COPY, 0, 0);
            return 0;
        default: return 0;
        }
        d->typingRun = false;
        invalidateTree(hwnd, false);
        return 0;
    case WM_COPY: copySelection(*d); return 0;
    case WM_CUT:
        if (readOnly(hwnd)) return 0;
        copySelection(*d);
        if (b.hasSelection()) typeIn(hwnd, *d, "");
        return 0;
    case WM_CLEAR:
        if (!readOnly(hwnd) && b.hasSelection()) typeIn(hwnd, *d, "");
        return 0;
    case WM_PASTE:
        if (!readOnly(hwnd)) {
            std::string clip = win::clipboardText();
            if (!clip.empty()) typeIn(hwnd, *d, filterTyped(hwnd, clip));
        }
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        if (!d->canUndo || readOnly(hwnd)) return FALSE;
        std::swap(b.text, d->undoText);
        d->typingRun = false;
        b.select(0, -1);
        changed(hwnd, *d);
        return TRUE;
    case EM_CANUNDO: return d->canUndo;
    case EM_EMPTYUNDOBUFFER: d->canUndo = false; return 0;
    case EM_GETSEL: {
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(b.selStart());
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(b.selEnd());
        return MAKELRESULT(static_cast<WORD>(std::min(b.selStart(), 0xFFFF)),
                           static_cast<WORD>(std::min(b.selEnd(), 0xFFFF)));
    }
    case EM_SETSEL:
        d->typingRun = false;
        b.select(static_cast<int>(static_cast<intptr_t>(wParam)), static_cast<int>(lParam));
        invalidateTree(hwnd, false);
        return 0;
    case EM_REPLACESEL: {
        std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        typeIn(hwnd, *d, text);
        if (!wParam) d->canUndo = false;
        return 0;
    }
    case EM_LIMITTEXT: b.limit = wParam ? static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE)) : 0x7FFFFFFE; return 0;
    case EM_GETLIMITTEXT: return b.limit;
    case EM_SETREADONLY:
        if (wParam)
            w->style |= ES_READONLY;
        else
            w->style &= ~ES_READONLY;
        invalidateTree(hwnd, true);
        return TRUE;
    case EM_GETMODIFY: return d->modified;
    case EM_SETMODIFY: d->modified = wParam != 0; return 0;
    case EM_GETLINECOUNT: return b.lineCount();
    case EM_LINEINDEX: {
        int line = static_cast<int>(static_cast<intptr_t>(wParam));
        return b.lineIndex(line < 0 ? b.lineFromChar(b.caret) : line);
    }
    case EM_LINELENGTH: {
        int pos = static_cast<int>(static_cast<intptr_t>(wParam));
        return b.lineLength(pos < 0 ? b.caret : pos);
    }
    case EM_LINEFROMCHAR: {
        int pos = static_cast<int>(static_cast<intptr_t>(wParam));
        return b.lineFromChar(pos < 0 ? b.caret : pos);
    }
    case EM_GETLINE: {
        int line = static_cast<int>(wParam);
        auto* buffer = reinterpret_cast<char*>(lParam);
        if (!buffer || line < 0 || line >= b.lineCount()) return 0;
        WORD size = 0;
        std::memcpy(&size, buffer, sizeof size);
        std::string l = b.line(line);
        size_t n = std::min<size_t>(l.size(), size);
        std::memcpy(buffer, l.data(), n);
        return static_cast<LRESULT>(n);
    }
    case EM_SETPASSWORDCHAR: d->passwordChar = static_cast<char>(wParam); return 0;
    case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(d->passwordChar);
    case EM_SCROLLCARET: return TRUE;
    case EM_GETFIRSTVISIBLELINE: return 0;
    case EM_GETRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (r) {
            GetClientRect(hwnd, r);
            InflateRect(r, -kMargin, -kMargin);
        }
        return 0;
    }
    case EM_POSFROMCHAR: {
        int pos = std::clamp(static_cast<int>(wParam), 0, static_cast<int>(b.text.size()));
        FontSpec f = windowFont(hwnd);
        int line = b.lineFromChar(pos);
        int start = b.multiLine ? b.lineIndex(line) : 0;
        int x = kMargin + measureText(f, std::string_view(b.text).substr(static_cast<size_t>(start),
                                                                         static_cast<size_t>(pos - start)))
                              .cx;
        int y = kMargin + line * measureText(f, "Xg").cy;
        return MAKELRESULT(static_cast<WORD>(x), static_cast<WORD>(y));
    }
    case EM_CHARFROMPOS: {
        int pos = b.charFromPoint(windowFont(hwnd), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), kMargin);
        return MAKELRESULT(static_cast<WORD>(pos), static_cast<WORD>(b.lineFromChar(pos)));
    }
    case WM_LBUTTONDOWN: {
        if (GetFocus() != hwnd) SetFocus(hwnd);
        if (!window(hwnd)) return 0;
        int pos = b.charFromPoint(windowFont(hwnd), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), kMargin);
        d->typingRun = false;
        b.caret = pos;
        if (!(wParam & MK_SHIFT)) b.anchor = pos;
        d->tracking = true;
        SetCapture(hwnd);
        invalidateTree(hwnd, false);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (d->tracking) {
            b.caret = b.charFromPoint(windowFont(hwnd), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), kMargin);
            invalidateTree(hwnd, false);
        }
        return 0;
    case WM_LBUTTONUP:
        if (d->tracking) {
            d->tracking = false;
            ReleaseCapture();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if (GetFocus() != hwnd) SetFocus(hwnd);
        b.selectWordAt(b.charFromPoint(windowFont(hwnd), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), kMargin));
        invalidateTree(hwnd, false);
        return 0;
    case WM_CAPTURECHANGED: d->tracking = false; return 0;
    case WM_SETFOCUS: notifyParent(hwnd, EN_SETFOCUS); return 0;
    case WM_KILLFOCUS: notifyParent(hwnd, EN_KILLFOCUS); return 0;
    case WM_SETCURSOR:
        if (LOWORD(static_cast<uintptr_t>(lParam)) == HTCLIENT) {
            if (w->parent && SendMessage(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
            SetCursor(LoadCursor(nullptr, IDC_IBEAM));
            return TRUE;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

LRESULT richEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = editProc(hwnd, msg, wParam, lParam);
    if (msg == WM_NCCREATE)
        if (auto* d = dataOf<EditData>(hwnd)) d->buffer.anyLineBreak = true;
    return result;
}

}  // namespace win::detail
