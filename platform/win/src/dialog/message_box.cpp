// Message boxes as real dialogs: an icon, the text and a row of buttons, laid out from the
// deterministic text metrics, answered by a click (or Enter, or Escape when the box has a
// Cancel button or only OK) like any dialog.

#include <algorithm>
#include <map>

#include "dialog/dialog.h"
#include "win/readback.h"

namespace win::detail {

namespace {

constexpr int kIconId = 20;
constexpr int kTextId = 0xFFFF;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kGap = 6;
constexpr int kMargin = 12;

std::vector<win::MessageBoxRecord>& history() {
    static std::vector<win::MessageBoxRecord> h;
    return h;
}

std::vector<int> buttonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE: return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default: return {IDOK};
    }
}

const char* label(int id) {
    switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    case IDNO: return "&No";
    case IDTRYAGAIN: return "&Try Again";
    case IDCONTINUE: return "&Continue";
    default: return "Help";
    }
}

std::string iconName(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return "error";
    case MB_ICONQUESTION: return "question";
    case MB_ICONEXCLAMATION: return "warning";
    case MB_ICONASTERISK: return "information";
    default: return {};
    }
}

LPCSTR iconResource(const std::string& name) {
    if (name == "error") return IDI_ERROR;
    if (name == "question") return IDI_QUESTION;
    if (name == "warning") return IDI_WARNING;
    return IDI_INFORMATION;
}

struct BoxState {
    UINT type = 0;
    std::vector<int> buttons;
    std::string icon;
    size_t record = 0;
};
std::map<HWND, BoxState>& states() {
    static std::map<HWND, BoxState> m;
    return m;
}

INT_PTR boxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        auto* state = reinterpret_cast<BoxState*>(lParam);
        states()[hwnd] = *state;
        if (!state->icon.empty())
            SendDlgItemMessage(hwnd, kIconId, STM_SETICON,
                               reinterpret_cast<WPARAM>(LoadIcon(nullptr, iconResource(state->icon))), 0);
        size_t defIndex = std::min<size_t>((state->type & MB_DEFMASK) >> 8, state->buttons.size() - 1);
        int defId = state->buttons[defIndex];
        SendMessage(hwnd, DM_SETDEFID, static_cast<WPARAM>(defId), 0);
        history()[state->record].hwnd = hwnd;
        if (HWND b = GetDlgItem(hwnd, defId)) SetFocus(b);
        return FALSE;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        auto it = states().find(hwnd);
        if (it == states().end()) return FALSE;
        const BoxState& s = it->second;
        bool present = std::find(s.buttons.begin(), s.buttons.end(), id) != s.buttons.end();
        if (!present && id == IDCANCEL && s.buttons.size() == 1 && s.buttons[0] == IDOK) {
            id = IDOK;
            present = true;
        }
        if (present) EndDialog(hwnd, id);
        return TRUE;
    }
    case WM_DESTROY: states().erase(hwnd); return FALSE;
    default: return FALSE;
    }
}

}  // namespace
}  // namespace win::detail

using namespace win::detail;

namespace win {

const std::vector<MessageBoxRecord>& messageBoxHistory() { return history(); }

void resetHistories() {
    history().clear();
    states().clear();
}

bool isMessageBox(HWND dialog) {
    DialogData* d = dialogData(dialog);
    return d && d->kind == DialogKind::MessageBox;
}

HWND innermostMessageBox() {
    for (HWND top : topLevelWindows())
        if (isMessageBox(top) && IsWindowVisible(top)) return top;
    return nullptr;
}

}  // namespace win

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    BoxState state;
    state.type = type;
    state.buttons = buttonsFor(type);
    state.icon = iconName(type);
    std::string body = text ? text : "";

    win::DialogTemplate tmpl;
    tmpl.caption = caption ? caption : "Error";
    tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE;
    win::FontSpec font;
    font.face = tmpl.fontFace;
    font.height = tmpl.fontHeight;
    win::TextSize size = win::measureText(font, body.empty() ? " " : body);
    int left = kMargin;
    int top = kMargin;
    int contentBottom = top + size.cy;
    if (!state.icon.empty()) {
        win::ControlTemplate icon;
        icon.id = kIconId;
        icon.className = "STATIC";
        icon.style = SS_ICON | WS_VISIBLE;
        icon.x = kMargin;
        icon.y = kMargin;
        icon.cx = icon.cy = 32;
        tmpl.controls.push_back(icon);
        left = kMargin + 32 + kMargin;
        top = kMargin + std::max(0, (32 - size.cy) / 2);
        contentBottom = std::max(kMargin + 32, top + size.cy);
    }
    win::ControlTemplate label;
    label.id = kTextId;
    label.className = "STATIC";
    label.style = SS_LEFT | SS_NOPREFIX | WS_VISIBLE | WS_GROUP;
    label.x = left;
    label.y = top;
    label.cx = size.cx + 1;
    label.cy = size.cy;
    label.text = body;
    tmpl.controls.push_back(label);
    int n = static_cast<int>(state.buttons.size());
    int rowWidth = n * kButtonWidth + (n - 1) * kGap;
    int width = std::max({left + size.cx + kMargin, rowWidth + 2 * kMargin, 160});
    int buttonsTop = contentBottom + 2 * kMargin;
    int x = (width - rowWidth) / 2;
    for (int i = 0; i < n; ++i) {
        win::ControlTemplate b;
        b.id = state.buttons[static_cast<size_t>(i)];
        b.className = "BUTTON";
        b.style = BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
        b.x = x + i * (kButtonWidth + kGap);
        b.y = buttonsTop;
        b.cx = kButtonWidth;
        b.cy = kButtonHeight;
        b.text = ::win::detail::label(b.id);
        tmpl.controls.push_back(b);
    }
    tmpl.cx = width;
    tmpl.cy = buttonsTop + kButtonHeight + kMargin;

    win::MessageBoxRecord record;
    record.text = body;
    record.caption = tmpl.caption;
    record.type = type;
    record.icon = state.icon;
    record.buttons = state.buttons;
    history().push_back(record);
    state.record = history().size() - 1;

    DialogOptions options;
    options.kind = DialogKind::MessageBox;
    if (!owner) owner = GetActiveWindow();
    HWND box = createDialog(tmpl, owner, boxProc, reinterpret_cast<LPARAM>(&state), options);
    if (!box) return 0;
    INT_PTR result = runModal(box);
    int answer = result > 0 ? static_cast<int>(result) : 0;
    history()[state.record].answer = answer;
    return answer;
}
