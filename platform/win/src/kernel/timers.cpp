// Timers on the virtual clock.  Nothing sleeps: the clock moves only when a test (or a script
// step) advances it, and every timer that falls due on the way fires in time order.

#include <algorithm>

#include "kernel/kernel.h"
#include "win/system.h"

namespace win::detail {

void removeTimersFor(HWND hwnd) {
    auto& t = sys().timers;
    t.erase(std::remove_if(t.begin(), t.end(), [hwnd](const Timer& x) { return x.hwnd == hwnd; }), t.end());
}

}  // namespace win::detail

using namespace win::detail;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    auto& s = sys();
    if (hwnd && !window(hwnd)) return 0;
    elapse = std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    if (hwnd) {
        for (Timer& t : s.timers) {
            if (t.hwnd == hwnd && t.id == id) {
                t.elapse = elapse;
                t.proc = proc;
                t.due = s.clock + elapse;
                return id ? id : 1;
            }
        }
    } else {
        // Timers without a window get a fresh id that no running timer has.
        id = s.nextTimerId++;
    }
    Timer t;
    t.hwnd = hwnd;
    t.id = id;
    t.elapse = elapse;
    t.proc = proc;
    t.due = s.clock + elapse;
    t.serial = s.nextTimerSerial++;
    s.timers.push_back(t);
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& t = sys().timers;
    auto it = std::find_if(t.begin(), t.end(), [&](const Timer& x) { return x.hwnd == hwnd && x.id == id; });
    if (it == t.end()) return FALSE;
    t.erase(it);
    return TRUE;
}

DWORD GetTickCount() { return static_cast<DWORD>(sys().clock); }

namespace win {

uint64_t clockMs() { return sys().clock; }

void advanceClock(uint32_t milliseconds) {
    auto& s = sys();
    uint64_t target = s.clock + milliseconds;
    for (;;) {
        auto next = std::min_element(s.timers.begin(), s.timers.end(), [](const Timer& a, const Timer& b) {
            return a.due != b.due ? a.due < b.due : a.serial < b.serial;
        });
        if (next == s.timers.end() || next->due > target) break;
        s.clock = next->due;
        next->due += next->elapse;
        MSG msg;
        msg.hwnd = next->hwnd;
        msg.message = WM_TIMER;
        msg.wParam = next->id;
        msg.lParam = reinterpret_cast<LPARAM>(next->proc);
        msg.time = static_cast<DWORD>(s.clock);
        msg.pt = s.cursor;
        if (msg.hwnd && !window(msg.hwnd)) continue;
        processMessage(msg);
        pumpMessages();
    }
    s.clock = target;
}

}  // namespace win
