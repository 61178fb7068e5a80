// The frame counter.
#include "core/fps.h"

#include <cstdint>

namespace {

// True once `now` has passed `secondEnd`. The clock wraps at 2^32 and may start anywhere,
// also above 2^31 where it reads negative; a plain `secondEnd < now` would then never pass
// and the counter would stay silent. While a second runs, now lies in the 1000 ms before
// its end, so anything outside that window means the second is over.
bool secondHasEnded(int secondEnd, int now) { return uint32_t(secondEnd) - uint32_t(now) > 1000u; }

// A moment ms later on the wrapping clock.
int later(int moment, int ms) { return int32_t(uint32_t(moment) + uint32_t(ms)); }

}  // namespace

int vexaTFPS::Calc() { return _calcAt(millisecs()); }

int vexaTFPS::_calcAt(int now) {
    _frames += 1;
    if (secondHasEnded(_secondEnd, now)) {
        _lastCount = _frames;
        _secondEnd = later(now, 1000);
        _frames = 0;
    }
    return _lastCount;
}

int vexaTFPS::DrawFPS(float x, float y) {
    drawText(u"FPS: " + intToString(Calc()), x, y);
    return 0;
}
