// Custom functions on a sheet window, and the memory blocks their texts travel in.
#include "sheet/sheet.h"
#include "view/spread_window.h"
#include "win/global_memory.h"

namespace {

sheet::Sheet* sheetOf(HWND hWnd) {
    sheet::SpreadWindow* w = sheet::spreadOf(hWnd);
    return w ? &w->sheet : nullptr;
}

// String values are movable global memory blocks, as the host makes them: a custom function
// allocates its text result with GlobalAlloc and reads a text argument with GlobalLock.
void* allocBlock(size_t bytes) { return GlobalAlloc(GMEM_MOVEABLE, bytes); }
char* lockBlock(void* handle) { return static_cast<char*>(GlobalLock(handle)); }
void unlockBlock(void* handle) { GlobalUnlock(handle); }
void releaseBlock(void* handle) { GlobalFree(handle); }

const bool kBlocksInstalled = [] {
    sheet::setMemoryBlockFunctions({allocBlock, lockBlock, unlockBlock, releaseBlock});
    return true;
}();

}  // namespace

BOOL _SSAddCustomFunctionExt(HWND hWnd, LPCSTR name, short minArgs, short maxArgs, sheet::SSCustomFunctionProc proc,
                             long flags) {
    sheet::Sheet* s = sheetOf(hWnd);
    if (!s || !name || !proc) return FALSE;
    sheet::FunctionDef def = sheet::makeCustomFunction(name, minArgs, maxArgs, proc, static_cast<uint32_t>(flags));
    return !def.name.empty() && s->addFunction(std::move(def));
}

BOOL SSAddCustomFunctionWithCaller(HWND hWnd, LPCSTR name, short minArgs, short maxArgs,
                                   sheet::SSCustomFunctionCallerProc proc, long flags,
                                   uint32_t (*namedCells)(int argCount)) {
    sheet::Sheet* s = sheetOf(hWnd);
    if (!s || !name || !proc) return FALSE;
    sheet::FunctionDef def = sheet::makeCustomFunction(name, minArgs, maxArgs, proc, static_cast<uint32_t>(flags),
                                                       static_cast<void*>(hWnd), namedCells);
    return !def.name.empty() && s->addFunction(std::move(def));
}
