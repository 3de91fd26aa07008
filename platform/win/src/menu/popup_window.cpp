// Popup menus as windows: TrackPopupMenu opens a top-level window of the menu class above its
// owner, takes the mouse (capture) and, while its loop runs, the keyboard, and waits like any
// modal loop for raw input.  The person chooses an item by clicking it or with the arrow keys
// and Enter, or by its mnemonic letter; Escape or a click outside closes the menu without a
// choice (the click is not passed on).  The renderer draws the window from its read-back.

#include <algorithm>
#include <cctype>
#include <memory>

#include "kernel/kernel.h"
#include "menu/menu_table.h"
#include "win/font.h"
#include "win/readback.h"
#include "win/styles.h"
#include "win/system.h"

namespace win::detail {

namespace {

constexpr const char* kMenuClass = "#32768";
constexpr int kBorder = 3;  // the raised edge around the items
constexpr int kSeparatorHeight = 8;
constexpr int kCheckColumn = 20;  // room for the check mark left of the text
constexpr int kRightMargin = 24;
constexpr int kMinimumWidth = 80;

struct PopupMenuData : ControlData {
    HMENU menu = nullptr;
    HWND owner = nullptr;
    std::vector<MenuItemRecord> items;
    std::vector<RECT> rects;  // client coordinates
    int hot = -1;
    // The release of the button that opened the menu chooses nothing: a release counts only
    // after a press in the menu or a move of the mouse.
    bool armed = false;
    POINT openedAt{};
    bool done = false;
    UINT chosen = 0;
};

std::string withoutMnemonics(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        if (text[i] == '\t')
            out += "    ";
        else
            out += text[i];
    }
    return out;
}

char mnemonicOf(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return 0;
}

// Lays the items out top to bottom and returns the window's size.
SIZE layOut(PopupMenuData& d) {
    FontSpec font;
    const int itemHeight = measureText(font, "Ay").cy + 6;
    int width = kMinimumWidth;
    for (const MenuItemRecord& item : d.items)
        if (!item.separator)
            width = std::max(width, measureText(font, withoutMnemonics(item.text)).cx + kCheckColumn + kRightMargin);
    int y = kBorder;
    d.rects.clear();
    for (const MenuItemRecord& item : d.items) {
        const int height = item.separator ? kSeparatorHeight : itemHeight;
        d.rects.push_back(RECT{kBorder, y, kBorder + width, y + height});
        y += height;
    }
    return SIZE{width + 2 * kBorder, y + kBorder};
}

bool choosable(const MenuItemRecord& item) { return !item.separator && !item.grayed && !item.popup; }

int itemAt(const PopupMenuData& d, POINT client) {
    for (size_t i = 0; i < d.rects.size(); ++i)
        if (!d.items[i].separator && PtInRect(&d.rects[i], client)) return static_cast<int>(i);
    return -1;
}

void setHot(HWND hwnd, PopupMenuData& d, int index) {
    if (d.hot == index) return;
    d.hot = index;
    invalidateTree(hwnd, true);
    if (index >= 0 && window(d.owner))
        SendMessage(d.owner, WM_MENUSELECT, MAKEWPARAM(static_cast<WORD>(d.items[static_cast<size_t>(index)].id), 0),
                    reinterpret_cast<LPARAM>(d.menu));
}

// The next item that is not a separator, going round (as the arrow keys move).
void stepHot(HWND hwnd, PopupMenuData& d, int direction) {
    const int count = static_cast<int>(d.items.size());
    int index = d.hot < 0 ? (direction > 0 ? -1 : count) : d.hot;
    for (int tries = 0; tries < count; ++tries) {
        index = (index + direction + count) % count;
        if (!d.items[static_cast<size_t>(index)].separator) {
            setHot(hwnd, d, index);
            return;
        }
    }
}

void finish(PopupMenuData& d, UINT id) {
    d.done = true;
    d.chosen = id;
}

void choose(PopupMenuData& d, int index) {
    if (index < 0) return;
    const MenuItemRecord& item = d.items[static_cast<size_t>(index)];
    if (choosable(item))
        finish(d, item.id);
    else
        droppedInput().push_back("menu item " + std::to_string(item.id) +
                                 (item.popup ? " opens a submenu" : " is grayed"));
}

// Typing a letter chooses the one item it underlines; several such items take turns.
void chooseByMnemonic(HWND hwnd, PopupMenuData& d, char typed) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(typed)));
    std::vector<int> matches;
    for (size_t i = 0; i < d.items.size(); ++i)
        if (!d.items[i].separator && mnemonicOf(d.items[i].text) == letter) matches.push_back(static_cast<int>(i));
    if (matches.size() == 1) {
        setHot(hwnd, d, matches.front());
        choose(d, matches.front());
    } else if (!matches.empty()) {
        auto next = std::upper_bound(matches.begin(), matches.end(), d.hot);
        setHot(hwnd, d, next == matches.end() ? matches.front() : *next);
    }
}

POINT pointOf(LPARAM lParam) {
    return POINT{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
}

LRESULT popupMenuProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = window(hwnd);
    if (!w) return 0;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        w->data.reset(static_cast<PopupMenuData*>(cs->lpCreateParams));
        return TRUE;
    }
    auto* d = dataOf<PopupMenuData>(hwnd);
    if (!d) return DefWindowProc(hwnd, msg, wParam, lParam);
    RECT client{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    switch (msg) {
    case WM_MOUSEMOVE: {
        POINT screen = pointOf(lParam);
        ClientToScreen(hwnd, &screen);
        if (screen.x != d->openedAt.x || screen.y != d->openedAt.y) d->armed = true;
        const int index = itemAt(*d, pointOf(lParam));
        if (index >= 0) setHot(hwnd, *d, index);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: {
        const POINT at = pointOf(lParam);
        if (!PtInRect(&client, at))
            finish(*d, 0);
        else
            d->armed = true;
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        const int index = itemAt(*d, pointOf(lParam));
        if (index >= 0 && d->armed) {
            setHot(hwnd, *d, index);
            choose(*d, index);
        }
        return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        switch (static_cast<UINT>(wParam)) {
        case VK_UP: stepHot(hwnd, *d, -1); break;
        case VK_DOWN: stepHot(hwnd, *d, 1); break;
        case VK_HOME:
            setHot(hwnd, *d, -1);
            stepHot(hwnd, *d, 1);
            break;
        case VK_END:
            setHot(hwnd, *d, -1);
            stepHot(hwnd, *d, -1);
            break;
        case VK_RETURN: choose(*d, d->hot); break;
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_MENU: finish(*d, 0); break;
        default: break;
        }
        return 0;
    case WM_CHAR:
    case WM_SYSCHAR: chooseByMnemonic(hwnd, *d, static_cast<char>(wParam)); return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_SETCURSOR: return 0;
    case WM_CAPTURECHANGED:
        // Someone else took the mouse: the menu closes, as it does on the desktop.
        if (reinterpret_cast<HWND>(lParam) != hwnd) finish(*d, 0);
        return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void registerMenuClass() {
    WNDCLASS wc;
    if (GetClassInfo(nullptr, kMenuClass, &wc)) return;
    wc = WNDCLASS{};
    wc.lpfnWndProc = popupMenuProc;
    wc.lpszClassName = kMenuClass;
    wc.style = CS_SAVEBITS;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_MENU + 1));
    RegisterClass(&wc);
}

bool isKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// The menu's own loop: raw input until a choice, a dismissal, or the input source runs dry.
void runMenuLoop(HWND popup, HWND owner) {
    MSG msg;
    for (;;) {
        auto* d = dataOf<PopupMenuData>(popup);
        if (!d || d->done || !window(owner)) return;
        if (!waitMessage(msg, popup)) {
            if (InputSource* source = sys().source) source->abandoned(popup);
            return;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        // The keyboard belongs to the open menu, whichever window has the focus.
        if (isKeyboardMessage(msg.message) && msg.hwnd && msg.hwnd != popup) msg.hwnd = popup;
        if (msg.hwnd == popup) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        } else {
            processMessage(msg);
        }
    }
}

}  // namespace

}  // namespace win::detail

using namespace win::detail;

namespace win {

HWND openPopupMenu() {
    for (HWND top : sys().topLevel)
        if (dataOf<PopupMenuData>(top) && IsWindowVisible(top)) return top;
    return nullptr;
}

bool describePopupMenu(HWND menuWindow, PopupMenuState& out) {
    auto* d = dataOf<PopupMenuData>(menuWindow);
    if (!d) return false;
    out.window = menuWindow;
    out.owner = d->owner;
    out.items = d->items;
    out.itemRects = d->rects;
    out.hot = d->hot;
    return true;
}

}  // namespace win

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!menuOf(menu) || !window(owner)) return FALSE;
    if (!(flags & TPM_NONOTIFY)) {
        SendMessage(owner, WM_ENTERMENULOOP, TRUE, 0);
        SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
        if (!menuOf(menu) || !window(owner)) return FALSE;
    }
    registerMenuClass();
    auto data = std::make_unique<PopupMenuData>();
    data->menu = menu;
    data->owner = owner;
    data->items = describeMenuItems(menu);
    GetCursorPos(&data->openedAt);
    const SIZE size = layOut(*data);
    int left = x, top = y;
    if (flags & TPM_RIGHTALIGN)
        left -= size.cx;
    else if (flags & TPM_CENTERALIGN)
        left -= size.cx / 2;
    if (flags & TPM_BOTTOMALIGN)
        top -= size.cy;
    else if (flags & TPM_VCENTERALIGN)
        top -= size.cy / 2;

    win::PopupMenuRecord record;
    record.items = data->items;
    record.at = POINT{x, y};
    // A menu never takes the activation from the window it serves.
    HWND popup = CreateWindowEx(WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kMenuClass, "", WS_POPUP, left,
                                top, size.cx, size.cy, owner, nullptr, win::instanceHandle(), data.release());
    UINT id = 0;
    if (popup) {
        ShowWindow(popup, SW_SHOWNA);
        SetCapture(popup);
        runMenuLoop(popup, owner);
        if (auto* d = dataOf<PopupMenuData>(popup)) id = d->done ? d->chosen : 0;
        if (GetCapture() == popup) ReleaseCapture();
        DestroyWindow(popup);
    }
    record.chosen = id;
    popupHistory().push_back(record);
    if (window(owner) && !(flags & TPM_NONOTIFY)) SendMessage(owner, WM_EXITMENULOOP, TRUE, 0);
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(id);
    if (id && window(owner)) PostMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
    return id ? TRUE : FALSE;
}
