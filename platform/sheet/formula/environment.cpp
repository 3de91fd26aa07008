#include "sheet/environment.h"

#include <chrono>
#include <ctime>
#include <random>

namespace sheet {

namespace {

std::function<LocalTime()>& clockFunction() {
    static std::function<LocalTime()> clock;
    return clock;
}

LocalTime systemTime() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

struct RandomState {
    std::mt19937_64 engine;
    bool seeded = false;
};

RandomState& randomState() {
    static RandomState state;
    return state;
}

}  // namespace

void setClock(std::function<LocalTime()> clock) { clockFunction() = std::move(clock); }

LocalTime currentTime() {
    const auto& clock = clockFunction();
    return clock ? clock() : systemTime();
}

void setRandomSeed(uint64_t seed) {
    randomState().engine.seed(seed);
    randomState().seeded = true;
}

double nextRandom() {
    RandomState& s = randomState();
    if (!s.seeded) {
        s.engine.seed(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
        s.seeded = true;
    }
    // 53 random bits: every value is exact and below 1.
    return static_cast<double>(s.engine() >> 11) * 0x1.0p-53;
}

}  // namespace sheet
