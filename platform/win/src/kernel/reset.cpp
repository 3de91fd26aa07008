// Back to a clean window system between tests.

#include "kernel/kernel.h"
#include "win/system.h"

namespace win {

void resetClipboard();
void resetMenus();
void resetHistories();

void resetWindowSystem() {
    auto& s = detail::sys();
    for (int guard = 0; guard < 1000 && !s.topLevel.empty(); ++guard) {
        HWND top = s.topLevel.back();
        if (!DestroyWindow(top)) {
            // A window in the middle of its own destruction: drop it from the list.
            s.topLevel.pop_back();
        }
    }
    s.queue.clear();
    s.timers.clear();
    s.clock = 0;
    s.focus = s.active = s.capture = nullptr;
    s.keys.fill(0);
    s.cursor = POINT{};
    s.modalDepth = 0;
    detail::droppedInput().clear();
    resetClipboard();
    resetMenus();
    resetHistories();
}

}  // namespace win
