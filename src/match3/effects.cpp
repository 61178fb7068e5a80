// Installing and clearing effects in the fixed pool.
#include "match3/effects.h"

#include "game/globals.h"
#include "platform/platform.h"

std::array<vexaTEffect, EFFECT_SLOTS + 1> effectPool;

namespace {

int lowestFreeSlot() {
    for (int i = 1; i < EFFECT_SLOTS; ++i)
        if (effectPool[i].id == 0) return i;
    return 0;
}

// The kinds whose start the diagnostics log notes.
void traceNamedKind(int kind, int slot) {
    const char16_t* text = nullptr;
    if (kind == 105000) text = u"effecthandler: Chippy effect installiet, effect-id: ";
    if (kind == 105010) text = u"effecthandler: leo effect installiet, effect-id: ";
    if (kind == 105020) text = u"effecthandler: heppo ffect installiet, effect-id: ";
    if (kind == 105030) text = u"effecthandler: blacky effect installiet, effect-id: ";
    if (text) diagLog(text + intToString(slot));
}

}  // namespace

int clearEffects() {
    for (int i = 1; i <= EFFECT_SLOTS; ++i) effectPool[i].id = 0;
    return 0;
}

int installEffect(float x, float y, int kind, float lx, float ly) {
    if (y <= 0) return 0;
    int i = lowestFreeSlot();
    if (i > 0) {
        vexaTEffect& e = effectPool[i];
        e.id = kind;
        e.x = x;
        e.y = y;
        e.lx = lx;
        e.ly = ly;
        e.runtime = 0;
        e.target = e.targeted = 0;
        // Sparks start at a random age so those of one burst die at different times.
        if (kind < 200) e.runtime = randInt(0, 50);
        if (kind == 109200) {
            e.meteorexplodeframe = randInt(0, 15);
            e.sc = float(randFloat(0.1, 0.3));
            e.meteorexploderotationdir = randInt(0, 1);
            e.rotspeed = float(randFloat(1, 3));
        }
        if (kind == 108900) {
            e.meteorspeed = 25;
            e.meteordie = 80;
        }
    }
    traceNamedKind(kind, i);
    return i;
}

void installParticleRing(float x, float y, int kind, int count) {
    for (int k = 1; k <= count; ++k)
        installEffect(x, y, kind, float(randInt(1, 7)) * cosDeg(36.0f * float(k)),
                      float(randInt(1, 7)) * sinDeg(36.0f * float(k)));
}
