// The input driver: a person's actions as raw input in the queue.  Nothing here changes a
// window's state; everything is decided when the input is taken from the queue.

#include <algorithm>

#include "kernel/kernel.h"
#include "win/combo_checks.h"
#include "win/input.h"

namespace win::input {

using namespace detail;

namespace {

void postMouse(HWND window, POINT client, UINT message, WPARAM extra = 0) {
    if (!detail::window(window)) return;
    POINT screen = client;
    ClientToScreen(window, &screen);
    QueueEntry e;
    e.kind = QueueEntry::Kind::Mouse;
    e.msg.message = message;
    e.msg.wParam = extra;
    e.screen = screen;
    postEntry(e);
}

void postKey(UINT vk, bool down) {
    QueueEntry e;
    e.kind = QueueEntry::Kind::Key;
    e.msg.message = down ? WM_KEYDOWN : WM_KEYUP;
    e.msg.wParam = vk;
    postEntry(e);
}

void modifiersDown(unsigned m) {
    if (m & Shift) postKey(VK_SHIFT, true);
    if (m & Control) postKey(VK_CONTROL, true);
    if (m & Alt) postKey(VK_MENU, true);
}

void modifiersUp(unsigned m) {
    if (m & Alt) postKey(VK_MENU, false);
    if (m & Control) postKey(VK_CONTROL, false);
    if (m & Shift) postKey(VK_SHIFT, false);
}

POINT centerOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return POINT{r.right / 2, r.bottom / 2};
}

}  // namespace

void mouseDown(HWND window, POINT client, Button button, unsigned modifiers) {
    modifiersDown(modifiers);
    postMouse(window, client, button == Button::Left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN);
}

void mouseMove(HWND window, POINT client, unsigned modifiers) {
    modifiersDown(modifiers);
    postMouse(window, client, WM_MOUSEMOVE);
    modifiersUp(modifiers);
}

void mouseUp(HWND window, POINT client, Button button, unsigned modifiers) {
    postMouse(window, client, button == Button::Left ? WM_LBUTTONUP : WM_RBUTTONUP);
    modifiersUp(modifiers);
}

void click(HWND window, POINT client, unsigned modifiers) {
    modifiersDown(modifiers);
    postMouse(window, client, WM_MOUSEMOVE);
    postMouse(window, client, WM_LBUTTONDOWN);
    postMouse(window, client, WM_LBUTTONUP);
    modifiersUp(modifiers);
}

void clickCenter(HWND window, unsigned modifiers) { click(window, centerOf(window), modifiers); }

void doubleClick(HWND window, POINT client, unsigned modifiers) {
    modifiersDown(modifiers);
    postMouse(window, client, WM_LBUTTONDOWN);
    postMouse(window, client, WM_LBUTTONUP);
    postMouse(window, client, WM_LBUTTONDBLCLK);
    postMouse(window, client, WM_LBUTTONUP);
    modifiersUp(modifiers);
}

void rightClick(HWND window, POINT client, unsigned modifiers) {
    modifiersDown(modifiers);
    postMouse(window, client, WM_MOUSEMOVE);
    postMouse(window, client, WM_RBUTTONDOWN);
    postMouse(window, client, WM_RBUTTONUP);
    modifiersUp(modifiers);
}

void mouseWheel(HWND window, POINT client, int notches) {
    postMouse(window, client, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<int16_t>(notches * 120))));
}

void keyDown(UINT vk, unsigned modifiers) {
    modifiersDown(modifiers);
    postKey(vk, true);
}

void keyUp(UINT vk, unsigned modifiers) {
    postKey(vk, false);
    modifiersUp(modifiers);
}

void pressKey(UINT vk, unsigned modifiers) {
    modifiersDown(modifiers);
    postKey(vk, true);
    postKey(vk, false);
    modifiersUp(modifiers);
}

void typeText(const std::string& text) {
    for (char c : text) {
        if (c == '\n') {
            pressKey(VK_RETURN);
            continue;
        }
        QueueEntry e;
        e.kind = QueueEntry::Kind::Char;
        e.msg.message = WM_CHAR;
        e.msg.wParam = static_cast<unsigned char>(c);
        postEntry(e);
    }
}

namespace {

// Posts the wheel notches that bring an entry into view and returns the new top index.
int scrollIntoView(HWND window, POINT inList, int index, int count, int rows, int top) {
    int notches = 0;
    if (index < top) notches = (top - index + 2) / 3;
    if (index >= top + rows) notches = -((index - rows + 1 - top + 2) / 3);
    if (notches == 0) return top;
    mouseWheel(window, inList, notches);
    return std::clamp(top - notches * 3, 0, std::max(0, count - rows));
}

struct ListGeometry {
    int count = 0, height = 1, rows = 1, top = 0;
    RECT client;
};

ListGeometry listGeometry(HWND list) {
    ListGeometry g;
    g.count = static_cast<int>(SendMessage(list, LB_GETCOUNT, 0, 0));
    g.height = std::max(1, static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT, 0, 0)));
    GetClientRect(list, &g.client);
    g.rows = std::max(1, static_cast<int>(g.client.bottom) / g.height);
    g.top = static_cast<int>(SendMessage(list, LB_GETTOPINDEX, 0, 0));
    return g;
}

}  // namespace

void clickListItem(HWND list, int index, unsigned modifiers) {
    ListGeometry g = listGeometry(list);
    if (index < 0 || index >= g.count) return;
    int top = scrollIntoView(list, centerOf(list), index, g.count, g.rows, g.top);
    int x = SendMessage(list, LB_GETCHECKSTYLE, 0, 0) ? 24 : 8;
    click(list, POINT{std::min<LONG>(x, g.client.right - 1), (index - top) * g.height + g.height / 2}, modifiers);
}

void doubleClickListItem(HWND list, int index) {
    ListGeometry g = listGeometry(list);
    if (index < 0 || index >= g.count) return;
    int top = scrollIntoView(list, centerOf(list), index, g.count, g.rows, g.top);
    POINT at{std::min<LONG>(24, g.client.right - 1), (index - top) * g.height + g.height / 2};
    click(list, at);
    doubleClick(list, at);
}

void clickListCheck(HWND list, int index) {
    ListGeometry g = listGeometry(list);
    if (index < 0 || index >= g.count) return;
    int top = scrollIntoView(list, centerOf(list), index, g.count, g.rows, g.top);
    click(list, POINT{6, (index - top) * g.height + g.height / 2});
}

namespace {

// Clicks entry `index` of a combo box's list at `x`, opening the list first (that click is
// the whole step then) when it is closed.
void clickComboEntry(HWND combo, int index, int x) {
    int count = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count) return;
    RECT client;
    GetClientRect(combo, &client);
    bool simple = (GetWindowLongPtr(combo, GWL_STYLE) & 3) == CBS_SIMPLE;
    if (!simple && !SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0)) {
        click(combo, POINT{client.right - 8, client.bottom / 2});
        return;
    }
    RECT list;
    SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
    POINT origin{0, 0};
    ClientToScreen(combo, &origin);
    int listTop = simple ? client.bottom : static_cast<int>(client.bottom);
    if (simple) listTop = static_cast<int>(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0)) + 6;
    int height = std::max(1, static_cast<int>(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0)));
    int top = static_cast<int>(SendMessage(combo, CB_GETTOPINDEX, 0, 0));
    int rows = simple ? std::max(1, (static_cast<int>(client.bottom) - listTop - 2) / height)
                      : std::max(1, (static_cast<int>(list.bottom - origin.y) - listTop - 2) / height);
    top = scrollIntoView(combo, POINT{x, listTop + 4}, index, count, rows, top);
    click(combo, POINT{x, listTop + 1 + (index - top) * height + height / 2});
}

}  // namespace

void chooseComboItem(HWND combo, int index) {
    // Entries of a check combo box are chosen on their text, beside the mark.
    const bool marks = SendMessage(combo, CB_GETCHECKSTYLE, 0, 0) != 0;
    clickComboEntry(combo, index, marks ? kComboCheckWidth + 8 : 10);
}

void clickComboCheck(HWND combo, int index) { clickComboEntry(combo, index, kComboCheckWidth / 2); }

void clickTab(HWND tab, int index) {
    RECT r;
    if (!SendMessage(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return;
    click(tab, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

// The caption's close box and frame belong to the top-level window; a window blocked by a
// modal dialog does not react to them.
static bool frameUsable(HWND window, const char* what) {
    if (!detail::window(window)) return false;
    if (!inputAllowed(rootOf(window))) {
        droppedInput().push_back(std::string(what) + " of a disabled window");
        return false;
    }
    return true;
}

void closeWindow(HWND window) {
    if (frameUsable(window, "close box")) PostMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void resizeWindow(HWND window, int cx, int cy) {
    if (frameUsable(window, "frame")) PostMessage(window, WM_SYSCOMMAND, SC_SIZE, MAKELPARAM(cx, cy));
}

}  // namespace win::input
