// Global memory blocks as the desktop's kernel keeps them: movable handles, lock counts, and
// handles that are checked rather than trusted.
#include <gtest/gtest.h>

#include <cstring>

#include "win/global_memory.h"

namespace {

TEST(GlobalMemory, AMovableBlockIsReachedOnlyThroughItsLock) {
    const size_t before = win::liveGlobalBlocks();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 8u);
    char* bytes = static_cast<char*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    EXPECT_NE(static_cast<void*>(bytes), block);  // the handle is not the address
    EXPECT_EQ(std::memcmp(bytes, "\0\0\0\0\0\0\0\0", 8), 0);
    std::memcpy(bytes, "HEA 200", 8);
    EXPECT_EQ(GlobalLock(block), bytes);  // a second lock
    EXPECT_TRUE(GlobalUnlock(block));     // still locked once
    EXPECT_FALSE(GlobalUnlock(block));    // unlocked now
    EXPECT_FALSE(GlobalUnlock(block));    // was not locked
    EXPECT_STREQ(static_cast<char*>(GlobalLock(block)), "HEA 200");
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(win::liveGlobalBlocks(), before);
}

TEST(GlobalMemory, DeadOrForeignHandlesFailWithoutTouchingMemory) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    GlobalFree(block);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GlobalFree(block), block);  // freeing twice reports the handle back
    char local[4];
    EXPECT_EQ(GlobalLock(local), nullptr);
    EXPECT_EQ(GlobalFree(local), static_cast<HGLOBAL>(local));
}

TEST(GlobalMemory, AFixedBlocksHandleIsItsAddress) {
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, 3);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalLock(block), block);
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, ResizingKeepsTheBytesAndMovesOnlyWhatMayMove) {
    HGLOBAL movable = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(movable), "abc", 4);
    // Locked: it may not move, so it cannot grow beyond what it has.
    EXPECT_EQ(GlobalReAlloc(movable, 4096, 0), nullptr);
    GlobalUnlock(movable);
    EXPECT_EQ(GlobalReAlloc(movable, 4096, 0), movable);  // the handle stays
    EXPECT_EQ(GlobalSize(movable), 4096u);
    EXPECT_STREQ(static_cast<char*>(GlobalLock(movable)), "abc");
    GlobalUnlock(movable);
    GlobalFree(movable);

    HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 4);
    std::memcpy(fixed, "xyz", 4);
    EXPECT_EQ(GlobalReAlloc(fixed, 4096, 0), nullptr);
    HGLOBAL moved = GlobalReAlloc(fixed, 4096, GMEM_MOVEABLE);
    ASSERT_NE(moved, nullptr);
    EXPECT_STREQ(static_cast<char*>(moved), "xyz");
    EXPECT_EQ(GlobalSize(fixed), 0u);  // the old address is no block any more
    GlobalFree(moved);
}

}  // namespace
