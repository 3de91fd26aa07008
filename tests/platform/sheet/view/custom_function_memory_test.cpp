// Custom functions on a sheet window: texts travel in movable global memory blocks both ways,
// and the function learns which window and cell call it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "spread_parent.h"
#include "win/global_memory.h"

namespace {

std::string lastArgument;
sheet::SSCaller lastCaller;

// Returns its text argument in capitals, in a block it makes with GlobalAlloc as a host's
// function does; reads the argument with GlobalLock.
bool shout(sheet::SSValue* result, sheet::SSValue* args, int16_t) {
    if (args[0].type != sheet::kSSValueString) return false;
    const char* text = static_cast<const char*>(GlobalLock(args[0].textHandle));
    if (!text) return false;
    lastArgument = text;
    GlobalUnlock(args[0].textHandle);
    std::string upper = lastArgument;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, upper.size() + 1);
    std::memcpy(GlobalLock(block), upper.c_str(), upper.size() + 1);
    GlobalUnlock(block);
    result->status = sheet::kSSValueOk;
    result->type = sheet::kSSValueString;
    result->textHandle = block;
    return true;
}

// Returns a fixed text in a block of its own, reading no argument.
bool plate(sheet::SSValue* result, sheet::SSValue*, int16_t) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(block), "Plate", 6);
    GlobalUnlock(block);
    result->status = sheet::kSSValueOk;
    result->type = sheet::kSSValueString;
    result->textHandle = block;
    return true;
}

bool whoCalls(const sheet::SSCaller* caller, sheet::SSValue* result, sheet::SSValue*, int16_t) {
    lastCaller = *caller;
    result->status = sheet::kSSValueOk;
    result->type = sheet::kSSValueLong;
    result->longValue = 1;
    return true;
}

uint32_t firstNamed(int) { return 1u; }

TEST_F(SpreadTest, TextsTravelInGlobalMemoryBlocksBothWays) {
    const size_t blocksBefore = win::liveGlobalBlocks();
    // A text result in a movable block is read through the block's handle, not taken for an
    // address.
    ASSERT_TRUE(_SSAddCustomFunctionExt(sheetWnd, "PLATE", 0, 0, &plate, 0));
    ASSERT_TRUE(SSSetData(sheetWnd, 1, 2, "=PLATE()"));
    EXPECT_EQ(data(1, 2), "Plate");
    ASSERT_TRUE(_SSAddCustomFunctionExt(sheetWnd, "SHOUT", 1, 1, &shout, 0));
    SSSetData(sheetWnd, 1, 1, "plate");
    ASSERT_TRUE(SSSetData(sheetWnd, 2, 1, "=SHOUT(A1&\" 10\")"));
    EXPECT_EQ(lastArgument, "plate 10");
    EXPECT_EQ(data(2, 1), "PLATE 10");
    // The engine freed the argument's block and the result's.
    EXPECT_EQ(win::liveGlobalBlocks(), blocksBefore);
}

TEST_F(SpreadTest, AFunctionToldItsCallerGetsTheWindowAndCell) {
    ASSERT_TRUE(SSAddCustomFunctionWithCaller(sheetWnd, "WHO", 1, 1, &whoCalls, 1, &firstNamed));
    ASSERT_TRUE(SSSetData(sheetWnd, 3, 4, "=WHO(C4)"));
    EXPECT_EQ(data(3, 4), "1");  // C4 names its own address without a cycle
    EXPECT_EQ(lastCaller.sheet, static_cast<void*>(sheetWnd));
    EXPECT_EQ(lastCaller.col, 3);
    EXPECT_EQ(lastCaller.row, 4);
}

}  // namespace
