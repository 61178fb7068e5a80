// The game's clock and timers. millisecs reads the monotonic clock, or in
// headless runs a virtual clock that only waitTimer moves, so such a run goes as
// fast as the CPU allows and repeats exactly. Timers count ticks from the clock.
#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/internal.h"

struct TimerData {
    uint32_t created = 0;  // clock reading at creation
    uint32_t period = 1;   // milliseconds per tick
    int lastSeen = 0;      // tick count returned to the previous waitTimer
};

namespace {

// Where a virtual clock starts: fixed, so every headless run sees the same times.
constexpr uint32_t VIRTUAL_START = 1000000;

bool virtualClock = false;
uint32_t virtualNow = VIRTUAL_START;

uint32_t now() { return uint32_t(millisecs()); }

// Milliseconds from now until the timer's next tick.
uint32_t untilNextTick(const TimerData& timer) {
    const uint32_t elapsed = now() - timer.created;
    return timer.period - elapsed % timer.period;
}

}  // namespace

void initClock(bool useVirtualClock) {
    virtualClock = useVirtualClock;
    virtualNow = VIRTUAL_START;
}

bool clockIsVirtual() { return virtualClock; }

void advanceVirtualClock(int ms) {
    if (ms > 0) virtualNow += uint32_t(ms);
}

int millisecs() {
    if (virtualClock) return int(virtualNow);
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps at 2^32 like a 32-bit millisecond counter.
    return int(uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count()));
}

Timer createTimer(float hz) {
    if (!(hz > 0)) return nullptr;
    auto timer = std::make_shared<TimerData>();
    timer->created = now();
    timer->period = uint32_t(std::max(1, floatToInt(1000.0 / double(hz))));
    return timer;
}

int timerTicks(const Timer& timer) {
    if (!timer) return 0;
    return int((now() - timer->created) / timer->period);
}

int waitTimer(const Timer& timer) {
    if (!timer) return 0;
    int ticks = timerTicks(timer);
    while (ticks == timer->lastSeen) {
        if (virtualClock) {
            advanceVirtualClock(int(untilNextTick(*timer)));
        } else {
            pumpEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(untilNextTick(*timer)));
        }
        ticks = timerTicks(timer);
    }
    const int passed = ticks - timer->lastSeen;
    timer->lastSeen = ticks;
    audioTick();
    return passed;
}
