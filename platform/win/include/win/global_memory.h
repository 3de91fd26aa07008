#pragma once
// Global memory blocks, as the desktop's kernel makes them: the clipboard's data and the
// spreadsheet engine's string values travel in them.
//
// A movable block (GMEM_MOVEABLE) is known by a handle that is not its address: GlobalLock
// gives the bytes and counts a lock, GlobalUnlock releases one.  A fixed block's handle is its
// address.  Handles are checked: a call with a handle that is not a live block fails (null,
// FALSE or 0) instead of touching memory, and GlobalFree then returns the handle.

#include <cstddef>

#include "win/types.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// A new block of `bytes` (zero-filled whatever the flags say), or null.
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
// Resizes a block.  A movable block that is not locked may move; a locked one, or a fixed one
// without GMEM_MOVEABLE in `flags`, only changes in place (shrinking, or within what it has).
// A fixed block given GMEM_MOVEABLE may get a new address, which is its new handle.
HGLOBAL GlobalReAlloc(HGLOBAL mem, size_t bytes, UINT flags);
// The block's first byte; a movable block counts one more lock.  Null for a dead handle.
LPVOID GlobalLock(HGLOBAL mem);
// Releases one lock: true while the block is still locked, false when it is unlocked now (or
// was not locked, or is fixed, or the handle is dead).
BOOL GlobalUnlock(HGLOBAL mem);
// The size asked for at allocation (or the last resize); 0 for a dead handle.
size_t GlobalSize(HGLOBAL mem);
// Frees the block, locked or not: null on success, the handle itself when it was no block.
HGLOBAL GlobalFree(HGLOBAL mem);

namespace win {
// The number of live blocks (tests check that nothing leaks).
size_t liveGlobalBlocks();
}  // namespace win
