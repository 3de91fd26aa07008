// The one dispatch path every loop shares, and the waiting that asks the input source.

#include "kernel/kernel.h"
#include "win/system.h"

namespace win::detail {

void setPreTranslateHook(PreTranslateHook hook) { sys().preTranslate = hook; }

void processMessage(MSG& msg) {
    if (msg.message == WM_QUIT) return;
    if (msg.hwnd && sys().preTranslate && sys().preTranslate(&msg)) return;
    if (msg.hwnd) {
        HWND top = rootOf(msg.hwnd);
        if (top && isDialogWindow(top) && IsDialogMessage(top, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
}

bool waitMessage(MSG& msg, HWND waiting, bool (*stop)(HWND)) {
    for (;;) {
        if (takeMessage(msg, nullptr, 0, 0, true)) return true;
        // A loop whose reason to wait ended while the last action ran (a timer or handler
        // ended its dialog) must not take the next action: that input belongs to the window
        // underneath, once this loop has returned.
        if (stop && stop(waiting)) return false;
        InputSource* source = sys().source;
        if (!source || !source->nextAction(waiting)) return false;
    }
}

}  // namespace win::detail

namespace win {

using namespace detail;

InputSource* setInputSource(InputSource* source) {
    InputSource* old = sys().source;
    sys().source = source;
    return old;
}

InputSource* inputSource() { return sys().source; }

void pumpMessages() {
    MSG msg;
    // Bounded so that a window that keeps posting to itself cannot hang a test.
    for (int guard = 0; guard < 100000 && takeMessage(msg, nullptr, 0, 0, true); ++guard) processMessage(msg);
}

bool runLoopUntil(HWND waiting, bool (*done)(void*), void* context) {
    MSG msg;
    while (!done(context)) {
        if (!waitMessage(msg, waiting)) return false;
        if (msg.message == WM_QUIT) {
            // The loop gives way so that the outermost loop sees the quit request.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        processMessage(msg);
    }
    return true;
}

HINSTANCE instanceHandle() { return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x400000)); }

}  // namespace win
