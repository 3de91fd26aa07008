// Window classes: the registered ones and the system's own controls.

#include "controls/controls.h"
#include "kernel/kernel.h"

namespace win::detail {

namespace {

void registerSystem(const char* name, WNDPROC proc, UINT style, HBRUSH brush) {
    WNDCLASS wc;
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    wc.hbrBackground = brush;
    auto& entry = sys().classes[lower(name)];
    entry.name = name;
    entry.wc = wc;
    entry.wc.lpszClassName = nullptr;
}

}  // namespace

void ensureSystemClasses() {
    auto& s = sys();
    if (s.systemClassesRegistered) return;
    s.systemClassesRegistered = true;
    // Colour index + 1 as a class brush, the Win32 convention.
    auto face = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1));
    registerSystem("BUTTON", buttonProc, CS_DBLCLKS, nullptr);
    registerSystem("STATIC", staticProc, CS_DBLCLKS, nullptr);
    registerSystem("EDIT", editProc, CS_DBLCLKS, nullptr);
    registerSystem("RichEdit20A", richEditProc, CS_DBLCLKS, nullptr);
    registerSystem("COMBOBOX", comboProc, CS_DBLCLKS, nullptr);
    registerSystem("LISTBOX", listProc, CS_DBLCLKS, nullptr);
    registerSystem("SysTabControl32", tabProc, CS_DBLCLKS, nullptr);
    registerSystem("#32770", dialogClassProc, CS_DBLCLKS | CS_SAVEBITS, face);
}

}  // namespace win::detail

using namespace win::detail;

ATOM RegisterClass(const WNDCLASS* wc) {
    ensureSystemClasses();
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc) return 0;
    std::string key = lower(wc->lpszClassName);
    auto& classes = sys().classes;
    if (classes.count(key)) return 0;
    auto& entry = classes[key];
    entry.name = wc->lpszClassName;
    entry.wc = *wc;
    entry.wc.lpszClassName = nullptr;
    return static_cast<ATOM>(classes.size() + 0xC000);
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE) {
    if (!className) return FALSE;
    std::string key = lower(className);
    auto& s = sys();
    for (auto& [handle, w] : s.windows)
        if (lower(w->className) == key) return FALSE;
    return s.classes.erase(key) ? TRUE : FALSE;
}

BOOL GetClassInfo(HINSTANCE, LPCSTR className, WNDCLASS* out) {
    ensureSystemClasses();
    if (!className) return FALSE;
    auto& classes = sys().classes;
    auto it = classes.find(lower(className));
    if (it == classes.end()) return FALSE;
    if (out) {
        *out = it->second.wc;
        out->lpszClassName = className;
    }
    return TRUE;
}
