#pragma once
// The window system as a whole: reset between tests, the virtual clock, pumping messages for
// modeless windows, and the text clipboard.

#include <cstdint>
#include <string>

#include "win/types.h"

namespace win {

// Destroys every window, menu and timer, empties the queue, the clipboard and the histories,
// and sets the clock back to 0.  GDI objects and registered classes stay.
void resetWindowSystem();

// The virtual clock in milliseconds.  Advancing it fires every timer that falls due, in time
// order and as often as its period fits (a 50 ms timer fires three times in 150 ms), pumping
// posted messages after each tick.  Nothing ever sleeps.
void advanceClock(uint32_t milliseconds);
uint64_t clockMs();

// Dispatches queued messages and pending paints until none is left, with the same
// pre-translation and dialog keyboard handling as a modal loop.  Never asks the input source.
void pumpMessages();

// Runs a modal loop until `done` returns true.  When the loop is idle it asks the input source;
// returns false when the source had nothing more (the caller then abandons what it waited for).
bool runLoopUntil(HWND waiting, bool (*done)(void*), void* context);

std::string clipboardText();
void setClipboardText(const std::string& cp1252Text);

// The module handle the class layer passes around; every binary shares one window system.
HINSTANCE instanceHandle();

}  // namespace win
