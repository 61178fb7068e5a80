// The per-frame rule of every effect kind: how it ages, moves and is drawn, when it ends and
// what it starts, plays or counts on the way.
//
// Each rule sets only the drawing state it names and otherwise draws with whatever the effect
// before it left behind (a rising gem's fading alpha, a spark's scale). The carry-over is part
// of how the effects look, so it is kept; the update restores the caller's state once, after
// the last slot.
//
// --- Sections ---
//   pictures        loading the scene's effect pictures, table lookups
//   sparks          kinds 1..199, rings 300..399, dirt 1000..1099, waves 1300..1399, flare 2000
//   item effects    shrinking (10000 + t), flying to the goal bar (95700 + t), rising (95800 + t)
//   homing orb      105010
//   meteor effects  108900 falling meteor, 109000 impact, 109100 burst, 109200 fragment
//   the update
#include <algorithm>
#include <array>
#include <cmath>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/meteor.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "ui/interface_helpers.h"
#include "ui/interface_pictures.h"
#include "ui/sound_handler.h"

namespace {

using EffectPictures = std::array<vexaTBild, 10>;

// --- Pictures ---

void loadNumbered(EffectPictures& table, const String& stem) {
    for (int n = 1; n <= 9; ++n)
        table[size_t(n)].LoadFromDisk(u"data/effects/" + stem + intToString(n) + u".png", 1, -1);
}

// Picture n of an effect table: numbers past 9 use picture 1; entry 0 holds no picture, so
// the unused kinds that would ask for it draw nothing.
vexaTBild* tablePicture(EffectPictures& table, int n) {
    if (n <= 0) return nullptr;
    return &table[size_t(n > 9 ? 1 : n)];
}

// The scene's picture of item type t (type 0 shows colour 3); types without a picture draw nothing.
vexaTBild* itemPicture(vexaTSceneMatch3& scene, int type) {
    int n = itemPictureIndex(type);
    if (n <= 0 || n >= int(scene._imgItem.size())) return nullptr;
    return &scene._imgItem[size_t(n)];
}

// The glow a collected item flies up as, by item type; 0 where a type has none.
constexpr std::array<int, 16> COLLECT_GLOW = {0, 2, 6, 5, 1, 4, 9, 8, 1, 1, 1, 3, 7, 7, 1, 7};

vexaTBild* collectGlow(vexaTSceneMatch3& scene, int type) {
    int n = itemPictureIndex(type);
    if (n < 0 || n >= int(COLLECT_GLOW.size())) return nullptr;
    return tablePicture(scene._imgGl, COLLECT_GLOW[size_t(n)]);
}

void paintAt(vexaTBild* picture, float x, float y) {
    if (picture) picture->PaintXY(x, y);
}

// --- Shared steps ---

constexpr int LOW_FRAME_RATE = 10;

float boardAlpha() { return g_boardAlpha; }
bool lowFrameRate() { return g_fps < LOW_FRAME_RATE; }

// Half a pixel either way, added to one frame's step without being stored.
float jitter() { return float(randInt(-10, 10)) * 0.05f; }

// Sparks and debris age by `step`, and by `step` more three times in ten.
void ageUnevenly(vexaTEffect& e, int step) {
    e.runtime += step;
    if (randInt(1, 10) <= 3) e.runtime += step;
}

void moveWithJitter(vexaTEffect& e) {
    e.x += e.lx + jitter();
    e.y += e.ly + jitter();
}

void endAt(vexaTEffect& e, int age) {
    if (e.runtime >= age) e.id = 0;
}

// Sparks also end at once on a machine too slow to keep up.
void endSparkAt(vexaTEffect& e, int age) {
    if (e.runtime >= age || lowFrameRate()) e.id = 0;
}

// --- Sparks and glows ---

// Kinds 1..99: a drifting glow that fades in over 10 frames and out towards 100, flickering
// in size.
void glowSpark(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    ageUnevenly(e, 1);
    moveWithJitter(e);
    float size = (1 - 0.01f * float(e.runtime)) * 0.7f;
    float sx = size * (0.5f + float(randInt(-10, 10)) * 0.05f);
    float sy = size * (0.5f + float(randInt(-10, 10)) * 0.05f);
    setScale(sx, sy);
    float fade = e.runtime < 10 ? float(e.runtime) * 0.1f : float(100 - e.runtime) * 0.01f;
    setAlpha(fade * boardAlpha());
    paintAt(tablePicture(scene._imgGl, e.id), e.x, e.y);
    setAlpha(boardAlpha());
    endSparkAt(e, 100);
}

// Kinds 100..199: a spark thrown out under gravity that shrinks away; the small ones
// (100..149) fade in over their first frames and leave that alpha behind.
void fallingSpark(vexaTEffect& e, vexaTBild* picture, float size, bool fadeIn) {
    ageUnevenly(e, 2);
    e.ly += 0.3f;
    moveWithJitter(e);
    float scale = (1 - 0.01f * float(e.runtime)) * size;
    setScale(scale, scale);
    if (fadeIn && e.runtime < 5) setAlpha(float(e.runtime) * 0.2f * boardAlpha());
    paintAt(picture, e.x, e.y);
    endSparkAt(e, 100);
}

void smallFallingSpark(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    fallingSpark(e, tablePicture(scene._imgGl, e.id - 100), 0.7f, true);
}

void bigFallingSpark(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    fallingSpark(e, tablePicture(scene._imgGl, e.id - 150), 1.3f, false);
}

// Kinds 300..399: a ring that shrinks in place.
void shrinkingRing(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    e.runtime += 4;
    float scale = (1 - 0.01f * float(e.runtime)) * 1.6f;
    setScale(scale, scale);
    paintAt(tablePicture(scene._imgGlo, e.id - 300), e.x, e.y);
    endAt(e, 100);
}

// Kinds 1000..1099: tumbling debris with drag and gravity; neighbouring slots spin at
// different speeds.
void debris(vexaTEffect& e, int slot, vexaTSceneMatch3& scene) {
    ageUnevenly(e, 1);
    e.lx *= 0.95f;
    e.ly += 0.23f;
    moveWithJitter(e);
    float scale = 1 - 0.01f * float(e.runtime);
    setScale(scale, scale);
    setAlpha(0.7f * boardAlpha());
    setRotation(float((e.runtime + slot) * (slot % 4 + 4)));
    paintAt(tablePicture(scene._imgDirt, e.id - 1000), e.x, e.y);
    setRotation(0);
    setAlpha(boardAlpha());
    endAt(e, 100);
}

// Kinds 1300..1399: a ring that swells and sinks back once in 20 frames.
void wavePulse(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    e.runtime += 1;
    float scale = sinDeg(9.0f * float(e.runtime)) * 1.2f;
    setScale(scale, scale);
    setAlpha(0.7f * boardAlpha());
    paintAt(tablePicture(scene._imgGlo, e.id - 1300), e.x, e.y);
    setAlpha(boardAlpha());
    endAt(e, 20);
}

// Kind 2000: the turning flare of an explosion, added onto what lies below.
void bombFlare(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    e.runtime += 5;
    float scale = 0.4f + 0.01f * float(e.runtime);
    setScale(scale, scale);
    setAlpha(float(100 - e.runtime) * 0.02f * boardAlpha());
    setRotation(10.0f * float(g_frame));
    setBlend(BLEND_LIGHT);
    paintAt(&scene._imgBombflares, e.x, e.y);
    setAlpha(boardAlpha());
    setBlend(BLEND_ALPHA);
    setRotation(0);
    endAt(e, 100);
}

// --- Item effects ---

// 10000 + t: a removed item shrinks to nothing in 10 frames at its place.
void shrinkingItem(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    e.runtime += 1;
    float scale = 1 - 0.1f * float(e.runtime);
    setScale(scale, scale);
    paintAt(itemPicture(scene, e.id - 10000), e.x, e.y);
    setRotation(0);
    setScale(1, 1);
    endAt(e, 10);
}

// 95800 + t: a removed item shoots up and fades in 10 frames; its slot stays taken until the
// 60th. Its alpha is left for the next effect.
void risingItem(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    e.runtime += 1;
    e.y += e.ly;
    setAlpha(1 - 0.1f * float(e.runtime));
    paintAt(itemPicture(scene, e.id - 95800), e.x, e.y);
    endAt(e, 60);
}

constexpr int COLLECT_FRAMES = 40;
constexpr float GOAL_COUNTER_Y = 21;

// The goal counter's x of item type t, as the goal bar last recorded it (0 for a type the bar
// has no place for).
float goalCounterX(int type) {
    if (type < 0 || type >= int(std::size(g_goalX))) return 0;
    return g_goalX[type];
}

constexpr int KIND_COLLECTED = 95700;  // + the item type

// Types the level does not ask for (or beyond the profile's table) are not counted.
bool countsTowardsGoal(const TSpieler& player, int type) {
    return type <= player.maxItemsToDestroy && type >= 0 && type < int(player.itemsDestroyed.size());
}


// 95700 + t: the removed gem travels from where it was (x, y stay as installed) to its goal
// counter in a straight line in 40 frames, turning as a glow, and is counted on arrival.
void collectedItem(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    int type = e.id - KIND_COLLECTED;
    e.runtime += 1;
    float r = float(e.runtime);
    float sx = e.x, sy = e.y;
    float tx = goalCounterX(type), ty = GOAL_COUNTER_Y;
    float ax = std::fabs(tx - sx), ay = std::fabs(ty - sy);
    float stepX = r * ax / COLLECT_FRAMES, stepY = r * ay / COLLECT_FRAMES;
    // A gem at the counters' own height runs away from its counter instead; that is the
    // game's rule for this case and is kept (it still counts after 40 frames).
    bool flat = ay == 0;
    float x = sx >= tx ? std::max(sx - stepX, tx) : (flat ? sx - stepX : sx + stepX);
    float y = flat ? sy + stepY : sy - stepY;
    setRotation(flat && sx < tx ? 6 * r : 360 - 6 * r);
    setAlpha(boardAlpha());
    setScale(1.2f, 1.2f);
    paintAt(collectGlow(scene, type), x, y);
    setScale(1, 1);
    setRotation(0);
    if (e.runtime >= COLLECT_FRAMES) {
        countTowardsGoal(type);
        e.id = 0;
    }
}

// --- Homing orb ---

constexpr int ORB_BURST_SPARKS = 20;
constexpr int ORB_LIFETIME = 1000;

// The orb lays a trail of glows, thinner the slower the machine runs.
bool orbLaysTrail() {
    if (g_fps > 30) return true;
    if (g_fps > 20) return g_frame % 2 == 0;
    if (g_fps > 10) return g_frame % 4 == 0;
    return false;
}

void steerTowards(vexaTEffect& e, float bx, float by) {
    if (e.x < bx) e.lx += 0.1f;
    if (e.x > bx) e.lx -= 0.1f;
    if (e.y < by) e.ly += 0.2f;
    if (e.y > by) e.ly -= 0.1f;
    e.lx = std::clamp(e.lx, -6.0f, 6.0f);
    e.ly = std::clamp(e.ly, -3.0f, 3.0f);
    e.x += e.lx;
    e.y += e.ly;
}

bool reachedButton(const vexaTEffect& e, float bx, float by) {
    return bx - 90 < e.x && e.x < bx + 90 && by - 100 < e.y && e.y < by + 20;
}

// 105010: a glow that homes in on the replace-all button and bursts there, lighting it.
void homingOrb(vexaTEffect& e, int, vexaTSceneMatch3& scene) {
    vexaTPowerUp& button = puReplaceAllItems;
    e.runtime += 1;
    steerTowards(e, button.getX(), button.getY());
    if (orbLaysTrail()) installEffect(e.x, e.y, 4, 0, 0);
    float sx = 0.3f + 0.2f * float(randInt(0, 8));
    float sy = 0.3f + 0.2f * float(randInt(0, 8));
    setScale(sx, sy);
    paintAt(tablePicture(scene._imgGl, 4), e.x, e.y);
    if (reachedButton(e, button.getX(), button.getY())) {
        playSoundEffect(SOUND_LAYPART, button.getX());
        installParticleRing(e.x, e.y, 104, ORB_BURST_SPARKS);
        button._glow = 1;
        e.id = 0;
    }
    endAt(e, ORB_LIFETIME);
    setRotation(0);
    setScale(1, 1);
}

// --- Meteor effects ---

constexpr int SOUND_AT_IMPACT_FRAME = 3;
constexpr int IMPACT_LAST_FRAME = 13;
constexpr int METEOR_FRAGMENTS = 20;
constexpr int FRAGMENT_LONG_LIFE = 300;
constexpr int KIND_IMPACT = 109000, KIND_FRAGMENT = 109200;

// 108900: a burning meteor coming in from the left at `meteorspeed`; its right edge reaches
// (x, y) at `meteordie`, where it ends in an impact. The slot is freed before the impact is
// installed, so the impact usually takes it over and the meteor rain, which waits for the
// slot to be free, sees the explosion through before the item turns into a bomb.
void fallingMeteor(vexaTEffect& e, int, vexaTSceneMatch3&) {
    e.runtime += 1;
    e.TailAnimCount = (e.TailAnimCount + 1) % int(imgAsteroids.size());
    const vexaTBild& first = imgAsteroids[0];
    float left = e.x - float(e.meteordie - e.runtime) * e.meteorspeed - first.W;
    imgAsteroids[size_t(e.TailAnimCount)].PaintXY(left, e.y - first.H / 2);
    if (e.runtime >= e.meteordie) {
        e.id = 0;
        installEffect(e.x, e.y, KIND_IMPACT, 0, 0);
    }
}

// 109000: frames 1 to 13 of the impact animation, with its bang on the third.
void impactExplosion(vexaTEffect& e, int, vexaTSceneMatch3&) {
    e.runtime += 1;
    if (e.runtime == SOUND_AT_IMPACT_FRAME) playSoundEffect(SOUND_EXPLOSION2, e.x);
    drawImage(imgImpact, e.x, e.y, e.runtime);
    endAt(e, IMPACT_LAST_FRAME);
}

// 109100: the shot meteor bursts into spinning fragments; nothing of its own is drawn.
void meteorBurst(vexaTEffect& e, int, vexaTSceneMatch3&) {
    for (int n = 0; n < METEOR_FRAGMENTS; ++n)
        installEffect(e.x, e.y, KIND_FRAGMENT, float(randFloat(-3, 3)), float(randFloat(-3, 3)));
    e.id = 0;
}

bool offScreen(const vexaTEffect& e) {
    return e.x < 0 || e.x > float(displayWidth()) || e.y < 0 || e.y > float(displayHeight());
}

void explode(vexaTEffect& e) {
    installEffect(e.x, e.y, KIND_IMPACT, 0, 0);
    e.id = 0;
}

// 109200: a small spinning piece of the meteor; it explodes on leaving the screen, and after
// 300 frames at a random moment.
void meteorFragment(vexaTEffect& e, int, vexaTSceneMatch3&) {
    e.runtime += 1;
    e.x += e.lx;
    e.y += e.ly;
    e.rot += e.meteorexploderotationdir == 0 ? e.rotspeed : -e.rotspeed;
    float sx = 1, sy = 1;
    getScale(sx, sy);
    setScale(e.sc, e.sc);
    setRotation(e.rot);
    drawImage(meteor.img, e.x, e.y, e.meteorexplodeframe);
    setScale(sx, sy);
    setRotation(0);
    if (offScreen(e))
        explode(e);
    else if (e.runtime >= FRAGMENT_LONG_LIFE && randInt(1, 10) == 4)
        explode(e);
}

// --- The update ---

using KindRule = void (*)(vexaTEffect& e, int slot, vexaTSceneMatch3& scene);

struct KindRange {
    int first, last;
    KindRule rule;
};

// The rule of each range of kinds (t is an item type).
constexpr KindRange RULES[] = {
    {1, 99, glowSpark},
    {100, 149, smallFallingSpark},
    {150, 199, bigFallingSpark},
    {300, 399, shrinkingRing},
    {1000, 1099, debris},
    {1300, 1399, wavePulse},
    {2000, 2000, bombFlare},
    {10001, 10099, shrinkingItem},  // 10000 + t
    {95700, 95798, collectedItem},  // 95700 + t
    {95800, 95898, risingItem},     // 95800 + t
    {105010, 105010, homingOrb},
    {108900, 108900, fallingMeteor},
    {KIND_IMPACT, KIND_IMPACT, impactExplosion},
    {109100, 109100, meteorBurst},
    {KIND_FRAGMENT, KIND_FRAGMENT, meteorFragment},
};

// One frame of the effect in `slot`; kinds without a rule keep their slot, undrawn.
void updateEffect(int slot, vexaTSceneMatch3& scene) {
    vexaTEffect& e = effectPool[size_t(slot)];
    for (const KindRange& range : RULES) {
        if (e.id >= range.first && e.id <= range.last) {
            range.rule(e, slot, scene);
            return;
        }
    }
}

}  // namespace

void countTowardsGoal(int type) {
    TSpieler& player = currentPlayer();
    if (countsTowardsGoal(player, type)) player.itemsDestroyed[size_t(type)] += 1;
}

std::array<int, 6> vexaTSceneMatch3::goalGemsInFlight() const {
    std::array<int, 6> flying{};
    const TSpieler& player = currentPlayer();
    for (const vexaTEffect& e : effectPool) {
        int type = e.id - KIND_COLLECTED;
        if (e.id >= KIND_COLLECTED && type < int(flying.size()) && countsTowardsGoal(player, type))
            flying[size_t(type)] += 1;
    }
    return flying;
}

int loadEffectPictures() {
    vexaTSceneMatch3& scene = sceneMatch3;
    loadNumbered(scene._imgGl, u"glb");
    loadNumbered(scene._imgGlo, u"glo");
    loadNumbered(scene._imgDirt, u"dirt");
    scene._imgBombflares.LoadFromDisk(u"data/effects/bombflare.png", 1, -1);
    scene._imgGlowStar.LoadFromDisk(u"data/effects/glowstar.png", 1, -1);
    return 0;
}

int updateEffects() {
    vexaTSceneMatch3& scene = sceneMatch3;
    scene._sprengpilzrun = 0;
    // Slots taken during the loop above the current one are visited in this same frame.
    for (int slot = 1; slot <= EFFECT_SLOTS; ++slot)
        if (effectPool[size_t(slot)].id > 0) updateEffect(slot, scene);
    setScale(1, 1);
    setAlpha(boardAlpha());
    setBlend(BLEND_ALPHA);
    setViewport(0, 0, 1024, 768);
    return 0;
}
