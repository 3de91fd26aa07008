// The text clipboard; its data lives in global memory blocks (global_memory.cpp).

#include <cstring>

#include "kernel/kernel.h"
#include "win/system.h"

namespace {

struct Clipboard {
    bool open = false;
    HWND owner = nullptr;
    HGLOBAL text = nullptr;  // owned by the clipboard once set
};
Clipboard& clipboard() {
    static Clipboard c;
    return c;
}

}  // namespace

BOOL OpenClipboard(HWND owner) {
    if (clipboard().open) return FALSE;
    clipboard().open = true;
    clipboard().owner = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    if (!clipboard().open) return FALSE;
    clipboard().open = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    if (!clipboard().open) return FALSE;
    if (clipboard().text) {
        GlobalFree(clipboard().text);
        clipboard().text = nullptr;
    }
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    if (!clipboard().open || format != CF_TEXT || !GlobalLock(data)) return nullptr;  // not a block
    GlobalUnlock(data);
    if (clipboard().text && clipboard().text != data) GlobalFree(clipboard().text);
    clipboard().text = data;
    return data;
}

HANDLE GetClipboardData(UINT format) {
    if (!clipboard().open || format != CF_TEXT) return nullptr;
    return clipboard().text;
}

BOOL IsClipboardFormatAvailable(UINT format) { return format == CF_TEXT && clipboard().text != nullptr; }

namespace win {

std::string clipboardText() {
    HGLOBAL mem = clipboard().text;
    const char* bytes = static_cast<const char*>(GlobalLock(mem));
    if (!bytes) return {};
    std::string text(bytes, strnlen(bytes, GlobalSize(mem)));
    GlobalUnlock(mem);
    return text;
}

void setClipboardText(const std::string& text) {
    bool wasOpen = clipboard().open;
    clipboard().open = true;
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(mem), text.c_str(), text.size() + 1);
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    clipboard().open = wasOpen;
}

void resetClipboard() {
    clipboard().open = false;
    if (clipboard().text) GlobalFree(clipboard().text);
    clipboard().text = nullptr;
}

}  // namespace win
