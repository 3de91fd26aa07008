// The text clipboard and movable global memory blocks.

#include <cstring>
#include <map>
#include <vector>

#include "kernel/kernel.h"
#include "win/system.h"

namespace {

struct Block {
    std::vector<char> bytes;
    int locks = 0;
};

std::map<uintptr_t, Block>& blocks() {
    static std::map<uintptr_t, Block> table;
    return table;
}
uintptr_t nextBlock = 0x1000;

struct Clipboard {
    bool open = false;
    HWND owner = nullptr;
    HGLOBAL text = nullptr;  // owned by the clipboard once set
};
Clipboard& clipboard() {
    static Clipboard c;
    return c;
}

Block* block(HGLOBAL mem) {
    auto it = blocks().find(reinterpret_cast<uintptr_t>(mem));
    return it == blocks().end() ? nullptr : &it->second;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT, size_t bytes) {
    uintptr_t key = nextBlock;
    nextBlock += 0x10;
    blocks()[key].bytes.assign(bytes, 0);
    return reinterpret_cast<HGLOBAL>(key);
}

HGLOBAL GlobalReAlloc(HGLOBAL mem, size_t bytes, UINT) {
    Block* b = block(mem);
    if (!b) return nullptr;
    b->bytes.resize(bytes, 0);
    return mem;
}

LPVOID GlobalLock(HGLOBAL mem) {
    Block* b = block(mem);
    if (!b) return nullptr;
    ++b->locks;
    // A zero-byte block still yields a valid pointer, as callers write terminators into it.
    if (b->bytes.empty()) b->bytes.reserve(1);
    return b->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL mem) {
    Block* b = block(mem);
    if (!b || b->locks == 0) return FALSE;
    return --b->locks > 0;
}

size_t GlobalSize(HGLOBAL mem) {
    Block* b = block(mem);
    return b ? b->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL mem) {
    if (!block(mem)) return mem;
    if (clipboard().text == mem) clipboard().text = nullptr;
    blocks().erase(reinterpret_cast<uintptr_t>(mem));
    return nullptr;
}

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
        blocks().erase(reinterpret_cast<uintptr_t>(clipboard().text));
        clipboard().text = nullptr;
    }
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    if (!clipboard().open || format != CF_TEXT || !block(data)) return nullptr;
    if (clipboard().text && clipboard().text != data) blocks().erase(reinterpret_cast<uintptr_t>(clipboard().text));
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
    Block* b = block(clipboard().text);
    if (!b) return {};
    return std::string(b->bytes.data(), strnlen(b->bytes.data(), b->bytes.size()));
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
    if (clipboard().text) blocks().erase(reinterpret_cast<uintptr_t>(clipboard().text));
    clipboard().text = nullptr;
}

}  // namespace win
