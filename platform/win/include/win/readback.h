#pragma once
// Reading back what a person would see: the state of every window and a text dump of the
// window tree.  Everything here is read through the windows' own messages (BM_GETCHECK,
// LB_GETTEXT...), so the answers are what the controls say about themselves.

#include <string>
#include <vector>

#include "win/font.h"
#include "win/types.h"

namespace win {

struct WindowInfo {
    HWND hwnd = nullptr;
    std::string className;
    std::string kind;  // "dialog", "push", "default push", "check", "3state", "radio",
                       // "group", "owner-draw", "static", "icon", "bitmap", "frame",
                       // "edit", "combo", "list", "tab", "menu", "window"
    int id = 0;
    DWORD style = 0, exStyle = 0;
    std::string text;
    RECT windowRect;        // screen coordinates
    RECT clientRectScreen;  // client area in screen coordinates
    RECT rectInParent;      // window rectangle in the parent's client coordinates
    bool enabled = false;   // the window's own flag
    bool visible = false;   // shown, with all its ancestors
    bool focused = false;
    bool isDefault = false;  // the default push button of its dialog
    int check = -1;          // BST_* for check boxes and radio buttons, else -1
    bool pushed = false;
    std::vector<std::string> items;  // list, combo and tab entries
    std::vector<int> selected;       // selected indices (one for single selection)
    int selection = -1;              // current selection (list, combo, tab), -1 for none
    std::vector<int> checkMarks;     // per entry, for check lists
    bool dropped = false;            // combo box list open
    int selStart = -1, selEnd = -1;  // edit (or combo edit) selection
    bool readOnly = false;
    int limit = 0;  // edit text limit
    int topIndex = 0;
    int itemHeight = 0;  // list and combo entries (combo: of its list)
    FontSpec font;
    HICON icon = nullptr;  // static or button image
    HBITMAP bitmap = nullptr;
    int dialogResourceId = 0;  // dialogs created from a resource template
    bool modal = false;
    std::vector<HWND> children;  // in z-order, top first
};

WindowInfo describeWindow(HWND hwnd);
// One line per window, indented by depth: kind, id, text and the state that matters for it.
// nullptr dumps every top-level window.
std::string dumpWindowTree(HWND root = nullptr);

std::vector<HWND> topLevelWindows();          // top first
std::vector<HWND> childWindows(HWND parent);  // top first
// The control with this id inside `root`, as a script names it: a direct child first, else the
// nearest one deeper down (controls of a page inside a dialog); nullptr when there is none.
HWND findControl(HWND root, int id);
// The most recently created open dialog made from the resource template with this id, a shown
// one (with all its ancestors) before a hidden one: of the pages of a tabbed dialog that share
// a template, the one in front.
HWND findOpenDialog(int resourceId);
int dialogResourceId(HWND dialog);
bool isModalDialog(HWND dialog);
HWND defaultButton(HWND dialog);  // nullptr when the dialog has none
// Why the last dialog creation failed ("dialog 208: no template with this id"), empty after
// a success.
std::string lastDialogError();

// Message boxes and file dialogs shown so far (cleared by resetWindowSystem).
struct MessageBoxRecord {
    HWND hwnd = nullptr;
    std::string text, caption;
    UINT type = 0;
    std::string icon;          // "question", "warning", "error", "information" or empty
    std::vector<int> buttons;  // ids in order
    int answer = 0;            // 0 while open
};
const std::vector<MessageBoxRecord>& messageBoxHistory();
bool isMessageBox(HWND dialog);
HWND innermostMessageBox();  // nullptr when none is open
bool isFileDialog(HWND dialog);
HWND innermostFileDialog();

// Popup menus shown so far.
struct MenuItemRecord {
    UINT id = 0;
    std::string text;
    bool separator = false, checked = false, grayed = false, popup = false;
};
struct PopupMenuRecord {
    std::vector<MenuItemRecord> items;
    POINT at;
    UINT chosen = 0;  // 0 when dismissed
};
const std::vector<PopupMenuRecord>& popupMenuHistory();

// Open popup menus: windows of their own (kind "menu"), owned by the window that opened them.
struct PopupMenuState {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::vector<MenuItemRecord> items;
    std::vector<RECT> itemRects;  // in the menu window's client coordinates
    int hot = -1;                 // the highlighted item, -1 for none
};
HWND openPopupMenu();  // the innermost open popup menu, nullptr when none
bool describePopupMenu(HWND menuWindow, PopupMenuState& out);

}  // namespace win
