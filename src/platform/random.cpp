// The random generator: a multiplicative congruential generator (multiplier 48271,
// modulus 2^31 - 1); two steps make one double in [0, 1).
#include <algorithm>

#include "platform/platform.h"

namespace {

constexpr int64_t MODULUS = 2147483647;
constexpr int64_t MULTIPLIER = 48271;
constexpr int32_t DEFAULT_STATE = 4660;

int32_t state = DEFAULT_STATE;

int32_t step() {
    state = int32_t(state * MULTIPLIER % MODULUS);
    return state;
}

}  // namespace

void seedRandom(int seed) {
    state = seed & 0x7FFFFFFF;
    // 0 would stay 0 forever and 2^31 - 1 is 0 modulo the modulus.
    if (state == 0 || state == MODULUS) state = DEFAULT_STATE;
}

double randUnit() {
    // 26 high bits of one step and 27 of the next fill a double's 53-bit mantissa,
    // so the result is exact and can never round up to 1.
    const int64_t high = step() >> 5;
    const int64_t low = step() >> 4;
    return double((high << 27) | low) / 9007199254740992.0;
}

int randInt(int a, int b) {
    const int lower = std::min(a, b);
    const double span = double(std::max(a, b)) - double(lower) + 1.0;
    // In 64 bits, so the full int range neither overflows nor saturates.
    return int(int64_t(lower) + int64_t(randUnit() * span));
}

double randFloat(double a, double b) {
    const double lower = std::min(a, b);
    return lower + randUnit() * (std::max(a, b) - lower);
}
