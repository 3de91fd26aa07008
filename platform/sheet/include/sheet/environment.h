// What formulas read from outside the sheet: the clock (TODAY, NOW) and the random numbers
// (RAND).  The engine does not know the window system; whoever runs it sets the clock (the
// window layer from the window system's clock, tests a fixed time).  Both are process-wide.
#pragma once

#include <cstdint>
#include <functional>

namespace sheet {

// A local date and time.
struct LocalTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The clock TODAY and NOW read; an empty function restores the default, the C library's local
// time.
void setClock(std::function<LocalTime()> clock);
LocalTime currentTime();

// Restarts RAND's sequence: the same seed gives the same numbers.  Without a call the sequence
// is seeded from the time the process first asks.
void setRandomSeed(uint64_t seed);
// The next number of the sequence, at least 0 and below 1.
double nextRandom();

}  // namespace sheet
