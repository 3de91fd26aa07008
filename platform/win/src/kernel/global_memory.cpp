// Global memory blocks: a table of live blocks keyed by handle.  Movable handles are odd
// numbers, which no allocation returns as an address, so a caller that takes a movable handle
// for a pointer fails at once instead of reading someone else's memory.

#include "win/global_memory.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace {

struct Block {
    std::unique_ptr<char[]> bytes;  // at least one byte, so a lock always has an address
    size_t size = 0;
    size_t capacity = 0;
    int locks = 0;
    bool movable = false;
};

std::unordered_map<uintptr_t, Block>& blocks() {
    static std::unordered_map<uintptr_t, Block> table;
    return table;
}

uintptr_t nextMovable = 0x10001;

uintptr_t keyOf(HGLOBAL mem) { return reinterpret_cast<uintptr_t>(mem); }

Block* find(HGLOBAL mem) {
    auto it = blocks().find(keyOf(mem));
    return it == blocks().end() ? nullptr : &it->second;
}

Block newBlock(size_t bytes, bool movable) {
    Block b;
    b.capacity = std::max<size_t>(bytes, 1);
    b.bytes = std::make_unique<char[]>(b.capacity);  // zero-filled
    b.size = bytes;
    b.movable = movable;
    return b;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, size_t bytes) {
    Block b = newBlock(bytes, (flags & GMEM_MOVEABLE) != 0);
    uintptr_t key;
    if (b.movable) {
        key = nextMovable;
        nextMovable += 2;
    } else {
        key = reinterpret_cast<uintptr_t>(b.bytes.get());
    }
    blocks().emplace(key, std::move(b));
    return reinterpret_cast<HGLOBAL>(key);
}

HGLOBAL GlobalReAlloc(HGLOBAL mem, size_t bytes, UINT flags) {
    Block* b = find(mem);
    if (!b) return nullptr;
    if (bytes <= b->capacity) {
        if (bytes > b->size) std::memset(b->bytes.get() + b->size, 0, bytes - b->size);
        b->size = bytes;
        return mem;
    }
    const bool mayMove = b->movable ? b->locks == 0 : (flags & GMEM_MOVEABLE) != 0;
    if (!mayMove) return nullptr;
    Block grown = newBlock(bytes, b->movable);
    std::memcpy(grown.bytes.get(), b->bytes.get(), b->size);
    if (b->movable) {
        grown.locks = b->locks;
        *b = std::move(grown);
        return mem;
    }
    const uintptr_t key = reinterpret_cast<uintptr_t>(grown.bytes.get());
    blocks().erase(keyOf(mem));
    blocks().emplace(key, std::move(grown));
    return reinterpret_cast<HGLOBAL>(key);
}

LPVOID GlobalLock(HGLOBAL mem) {
    Block* b = find(mem);
    if (!b) return nullptr;
    if (b->movable) ++b->locks;
    return b->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL mem) {
    Block* b = find(mem);
    if (!b || !b->movable || b->locks == 0) return FALSE;
    return --b->locks > 0;
}

size_t GlobalSize(HGLOBAL mem) {
    Block* b = find(mem);
    return b ? b->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL mem) {
    if (!find(mem)) return mem;
    blocks().erase(keyOf(mem));
    return nullptr;
}

namespace win {

size_t liveGlobalBlocks() { return blocks().size(); }

}  // namespace win
