#pragma once
// The window system's private state: the window table, classes, the queue, focus, capture,
// the clock.  One instance per process (the library is shared by every binary).

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "win/draw.h"
#include "win/input.h"
#include "win/types.h"
#include "win/wingdi.h"
#include "win/winuser.h"

namespace win::detail {

// Per-window state of a window class (a control's items, a dialog's result...).
struct ControlData {
    virtual ~ControlData() = default;
};

struct Window {
    HWND handle = nullptr;
    std::string className;
    UINT classStyle = 0;
    HBRUSH classBrush = nullptr;
    HCURSOR classCursor = nullptr;
    WNDPROC proc = nullptr;
    HWND parent = nullptr;       // children only
    HWND owner = nullptr;        // top-level windows only
    std::vector<HWND> children;  // z-order, top first
    LONG_PTR id = 0;
    DWORD style = 0, exStyle = 0;
    RECT rect;  // parent client coordinates (children) or screen
    std::string text;
    HFONT font = nullptr;
    LONG_PTR userData = 0;
    std::map<int, LONG_PTR> extra;
    std::map<std::string, HANDLE> props;
    std::unique_ptr<ControlData> data;
    bool destroying = false;
    bool needsPaint = false;
    bool needsErase = false;
    std::vector<DrawRecord> paint;  // last WM_ERASEBKGND + WM_PAINT
    std::vector<DrawRecord> later;  // drawn through GetDC since
    uint64_t serial = 0;            // creation order
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC proc = nullptr;
    uint64_t due = 0;
    uint64_t serial = 0;
};

// Raw input waits in the queue unresolved: its target is decided when it is taken, after
// everything before it has run (a click may move the focus that the next key goes to).
struct QueueEntry {
    enum class Kind { Posted, Mouse, Key, Char };
    Kind kind = Kind::Posted;
    MSG msg;
    POINT screen;  // mouse
};

struct ClassEntry {
    std::string name;
    WNDCLASS wc;
};

using PreTranslateHook = bool (*)(MSG*);
// Called for every new window before its first message (the class layer attaches its objects
// here, as a creation hook does on Windows).
using CreateHook = void (*)(HWND);

struct System {
    std::unordered_map<uintptr_t, std::unique_ptr<Window>> windows;
    uintptr_t nextHandle = 0x100;
    uint64_t nextSerial = 1;
    std::vector<HWND> topLevel;                 // z-order, top first
    std::map<std::string, ClassEntry> classes;  // key: lower-case name
    bool systemClassesRegistered = false;
    std::deque<QueueEntry> queue;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    std::array<uint8_t, 256> keys{};  // bit 0x80 down, bit 0x01 toggled
    POINT cursor;
    HCURSOR cursorHandle = nullptr;
    uint64_t clock = 0;
    std::vector<Timer> timers;
    UINT_PTR nextTimerId = 1;
    uint64_t nextTimerSerial = 1;
    InputSource* source = nullptr;
    MSG current;
    PreTranslateHook preTranslate = nullptr;
    CreateHook createHook = nullptr;
    int modalDepth = 0;
};

System& sys();
Window* window(HWND hwnd);  // nullptr for invalid or destroyed handles
void ensureSystemClasses();
std::string lower(std::string s);

// Geometry helpers
RECT nonClientInsets(const Window& w);  // left/top/right/bottom widths of the frame
POINT clientOriginScreen(HWND hwnd);
// What WM_MOVE carries: the client area's origin in the parent's client coordinates for a
// child, in screen coordinates for a top-level window.
POINT clientOriginInParent(HWND hwnd);
SIZE clientSize(const Window& w);
HWND rootOf(HWND hwnd);
// Puts a top-level window at the top of the z-order with the windows it owns (directly or not)
// above it, keeping topmost windows (and the windows they own) above all others.
void raiseTopLevel(HWND top);
bool inputAllowed(HWND hwnd);  // the window and every ancestor enabled
bool shownWithAncestors(HWND hwnd);
void invalidateTree(HWND hwnd, bool erase);

// Message helpers
// Raw input that reached no window (no one there, or a window blocked by a modal dialog).
std::vector<std::string>& droppedInput();
void postEntry(QueueEntry entry);
void removeMessagesFor(HWND hwnd);
void removeTimersFor(HWND hwnd);
bool takeMessage(MSG& msg, HWND filter, UINT min, UINT max, bool remove);
// Dispatches one message the way every loop of the system does: pre-translation (the class
// layer), the dialog keyboard interface of the message's top-level dialog, then dispatch.
void processMessage(MSG& msg);
void setPreTranslateHook(PreTranslateHook hook);
// Waits for the next message: the queue, pending paints, then the input source.  False when
// nothing is left and the source has no more actions, or when `stop` says the wait is over.
bool waitMessage(MSG& msg, HWND waiting, bool (*stop)(HWND) = nullptr);

// Focus handling of the dialog manager when focus changes inside a dialog.
void focusChanged(HWND oldFocus, HWND newFocus);

// Dialogs
bool isDialogWindow(HWND hwnd);
// The dialog procedure slot of a dialog window (DWLP_DLGPROC); nullptr for other windows.
DLGPROC* dialogProcSlot(HWND hwnd);

template <class T>
T* dataOf(HWND hwnd) {
    Window* w = window(hwnd);
    return w ? dynamic_cast<T*>(w->data.get()) : nullptr;
}

// Text helpers shared by the controls: copy a string into a caller's buffer as WM_GETTEXT does.
int copyText(const std::string& text, char* buffer, size_t bufferSize);

// Notifications to the parent
void notifyParent(HWND control, UINT code);  // WM_COMMAND with the control id and code

}  // namespace win::detail
