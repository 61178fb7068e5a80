// The per-frame rules of the effect kinds: lifetimes, the goal counting of collected gems,
// slot reuse and same-frame processing, the drawing state carried from effect to effect, the
// meteor's fragments and explosions and the homing orb's burst.
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/meteor.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "platform/headless_fixture.h"

namespace {

const Rgba RED{255, 0, 0, 255};
const Rgba WHITE{255, 255, 255, 255};
const Rgba GREY{100, 100, 100, 255};

class EffectUpdateTest : public HeadlessDisplay {
protected:
    vexaTSceneMatch3& m = sceneMatch3;
    TSpieler& player = players[1];

    void SetUp() override {
        HeadlessDisplay::SetUp();
        resetGameState();
        g_currentPlayer = 1;
        g_fps = 40;
        g_boardAlpha = 1;
        setBlend(BLEND_ALPHA);  // as every caller of the update leaves it
    }
    void TearDown() override {
        resetGameState();
        HeadlessDisplay::TearDown();
    }

    static void resetGameState() {
        resetShellGlobals();
        resetSharedState();
        resetPlayers();
        sceneMatch3.resetAll();
        clearEffects();
        meteor = TMeteor();
        puReplaceAllItems.resetAll();
    }

    // A solid square picture with its handle at its centre, as the effect pictures are loaded.
    static void solidPicture(vexaTBild& picture, int size, Rgba colour) {
        picture.data = headless::solidImage(size, size, colour);
        midHandleImage(picture.data);
        picture.isLoaded = 1;
        picture.W = picture.H = float(size);
    }

    // Installs an effect and sets its age, for kinds that start at a random age.
    static int install(float x, float y, int kind, int runtime = 0, float lx = 0, float ly = 0) {
        int slot = installEffect(x, y, kind, lx, ly);
        effectPool[size_t(slot)].runtime = runtime;
        return slot;
    }

    // Frames until the slot is freed; -1 when it is still taken after `limit` frames.
    static int framesToEnd(int slot, int limit) {
        for (int frame = 1; frame <= limit; ++frame) {
            updateEffects();
            if (effectPool[size_t(slot)].id == 0) return frame;
        }
        return -1;
    }

    static int effectsOfKind(int kind) {
        int n = 0;
        for (int slot = 1; slot <= EFFECT_SLOTS; ++slot) n += effectPool[size_t(slot)].id == kind;
        return n;
    }

    // Lowest slot holding an effect of `kind`, 0 when none.
    static int firstOfKind(int kind) {
        for (int slot = 1; slot <= EFFECT_SLOTS; ++slot)
            if (effectPool[size_t(slot)].id == kind) return slot;
        return 0;
    }

    static Rgba screenPixel(int x, int y) { return grabBackBuffer().at(x, y); }

    // A grey screen, so additive and alpha blending give different colours.
    static void greyScreen() {
        cls();
        setBlend(BLEND_SOLID);
        Image grey = headless::solidImage(1024, 768, GREY);
        drawImage(grey, 0, 0, 0);
        setBlend(BLEND_ALPHA);
    }
};

TEST_F(EffectUpdateTest, EachKindEndsAtItsAge) {
    struct Case {
        int kind, frames;
    };
    // Rings age 4 a frame, the flare 5, the wave and item effects 1; the impact shows frames 1..13.
    for (Case c : {Case{303, 25}, Case{1303, 20}, Case{2000, 20}, Case{10003, 10}, Case{95803, 60}, Case{95703, 40},
                   Case{109000, 13}}) {
        clearEffects();
        EXPECT_EQ(framesToEnd(install(300, 400, c.kind), 200), c.frames) << "kind " << c.kind;
    }
    // Sparks and debris age unevenly and end on the frame they reach 100.
    for (int kind : {5, 104, 154, 1007}) {
        clearEffects();
        int slot = install(300, 400, kind, 60);
        EXPECT_GT(framesToEnd(slot, 100), 0) << "kind " << kind;
        EXPECT_GE(effectPool[size_t(slot)].runtime, 100) << "kind " << kind;
    }
}

TEST_F(EffectUpdateTest, LowFrameRateEndsSparksButNotDebrisOrRings) {
    g_fps = 9;
    int spark = install(300, 400, 5), falling = install(300, 400, 109), big = install(300, 400, 154);
    int dirt = install(300, 400, 1007), ring = install(300, 400, 307);
    updateEffects();
    EXPECT_EQ(effectPool[size_t(spark)].id, 0);
    EXPECT_EQ(effectPool[size_t(falling)].id, 0);
    EXPECT_EQ(effectPool[size_t(big)].id, 0);
    EXPECT_EQ(effectPool[size_t(dirt)].id, 1007);
    EXPECT_EQ(effectPool[size_t(ring)].id, 307);
}

TEST_F(EffectUpdateTest, KindsWithoutRuleKeepTheirSlotUndrawn) {
    int holder = install(672, 718, 22004);
    int pictureless = install(300, 400, 250);
    for (int frame = 0; frame < 20; ++frame) updateEffects();
    EXPECT_EQ(effectPool[size_t(holder)].id, 22004);
    EXPECT_EQ(effectPool[size_t(holder)].runtime, 0);
    EXPECT_EQ(effectPool[size_t(pictureless)].id, 250);
}

TEST_F(EffectUpdateTest, CollectedGemCountsOnTheFortiethFrameOnly) {
    player.maxItemsToDestroy = 3;
    int goal = install(300, 400, 95703);
    int beyond = install(300, 400, 95704);
    for (int frame = 1; frame < 40; ++frame) updateEffects();
    EXPECT_EQ(player.itemsDestroyed[3], 0);
    EXPECT_EQ(effectPool[size_t(goal)].id, 95703);
    updateEffects();
    EXPECT_EQ(player.itemsDestroyed[3], 1);
    EXPECT_EQ(player.itemsDestroyed[4], 0);  // type 4 is beyond this level's goal kinds
    EXPECT_EQ(effectPool[size_t(goal)].id, 0);
    EXPECT_EQ(effectPool[size_t(beyond)].id, 0);

    player.maxItemsToDestroy = 99;  // a damaged goal count must not reach past the table
    install(300, 400, 95718);
    for (int frame = 0; frame < 40; ++frame) updateEffects();
    EXPECT_EQ(effectsOfKind(95718), 0);
    EXPECT_EQ(player.itemsDestroyed[3], 1);
}

TEST_F(EffectUpdateTest, CollectedGemFliesStraightToItsCounter) {
    solidPicture(m._imgGl[5], 6, RED);  // type 3 flies as glow 5
    g_goalX[3] = 512;
    install(612, 501, 95703);
    for (int frame = 0; frame < 20; ++frame) updateEffects();
    // Half way: 50 px left and 240 px up of the start, at the installed position's record.
    EXPECT_TRUE(headless::nearColour(screenPixel(562, 261), 255, 0, 0));
    EXPECT_FLOAT_EQ(effectPool[1].x, 612);
    EXPECT_FLOAT_EQ(effectPool[1].y, 501);
}

TEST_F(EffectUpdateTest, FreedSlotIsReusedWithinTheSameUpdate) {
    int slot = install(400, 300, 108900, 79);
    updateEffects();
    // The meteor hit and its impact took its slot back; it starts in the next frame.
    EXPECT_EQ(effectPool[size_t(slot)].id, 109000);
    EXPECT_EQ(effectPool[size_t(slot)].runtime, 0);
    EXPECT_EQ(effectsOfKind(109000), 1);
}

TEST_F(EffectUpdateTest, EffectsInstalledAboveTheCurrentSlotRunInTheSameFrame) {
    install(400, 300, 109100);
    updateEffects();
    EXPECT_EQ(effectPool[1].id, 0);  // the burst itself ends at once
    EXPECT_EQ(effectsOfKind(109200), 20);
    for (int slot = 2; slot <= 21; ++slot) EXPECT_EQ(effectPool[size_t(slot)].runtime, 1) << "slot " << slot;
}

TEST_F(EffectUpdateTest, FlareAddsLightAndRestoresBlendAndRotation) {
    solidPicture(m._imgBombflares, 20, RED);
    solidPicture(m._imgItem[3], 40, RED);
    greyScreen();
    g_frame = 5;  // the flare turns by 50 degrees
    install(100, 100, 2000);
    install(500, 400, 10003);  // drawn at scale 0.9 after the flare
    updateEffects();
    EXPECT_TRUE(headless::nearColour(screenPixel(500, 400), 255, 0, 0));      // alpha blending again
    EXPECT_TRUE(headless::nearColour(screenPixel(516, 416), 255, 0, 0));      // and unrotated
    EXPECT_TRUE(headless::nearColour(screenPixel(100, 100), 255, 100, 100));  // the flare itself added
    EXPECT_EQ(getBlend(), BLEND_ALPHA);
    EXPECT_EQ(getRotation(), 0);
}

TEST_F(EffectUpdateTest, RisingGemLeavesItsAlphaForTheNextEffect) {
    solidPicture(m._imgGlo[7], 20, WHITE);
    g_boardAlpha = 0.5f;
    cls();
    int gem = install(900, 700, 95803, 4, 0, -15);  // drawn at age 5: alpha 0.5
    install(300, 400, 307);                         // the ring sets no alpha of its own
    updateEffects();
    EXPECT_FLOAT_EQ(effectPool[size_t(gem)].y, 685);
    EXPECT_NEAR(screenPixel(300, 400).r, 128, 3);
    float sx = 0, sy = 0;
    getScale(sx, sy);
    EXPECT_EQ(sx, 1);  // the update ends with the caller's state: scale 1, board alpha, alpha blending
    EXPECT_EQ(sy, 1);
    EXPECT_EQ(getAlpha(), 0.5f);
    EXPECT_EQ(getBlend(), BLEND_ALPHA);
}

TEST_F(EffectUpdateTest, FragmentsExplodeOffScreenOrLate) {
    int left = install(1, 300, 109200, 0, -3, 0);
    updateEffects();
    EXPECT_EQ(effectPool[size_t(left)].id, 0);
    ASSERT_EQ(effectsOfKind(109000), 1);
    EXPECT_LT(effectPool[size_t(firstOfKind(109000))].x, 0);

    clearEffects();
    install(500, 1, 109200, 0, 0, -3);  // off the top: the explosion above the screen is refused
    updateEffects();
    EXPECT_EQ(effectsOfKind(109200), 0);
    EXPECT_EQ(effectsOfKind(109000), 0);

    int resting = install(500, 300, 109200);  // on screen it explodes some time after 300 frames
    effectPool[size_t(resting)].lx = effectPool[size_t(resting)].ly = 0;
    EXPECT_GE(framesToEnd(resting, 1000), 300);
    EXPECT_EQ(effectsOfKind(109000), 1);
}

TEST_F(EffectUpdateTest, OrbInstalledOnItsButtonBurstsAtOnce) {
    int orb = install(puReplaceAllItems.getX(), puReplaceAllItems.getY(), 105010);
    updateEffects();
    EXPECT_EQ(effectPool[size_t(orb)].id, 0);
    EXPECT_EQ(effectsOfKind(104), 20);
    EXPECT_EQ(effectsOfKind(4), 1);  // the trail glow of its only frame
    EXPECT_EQ(puReplaceAllItems._glow, 1);
}

TEST_F(EffectUpdateTest, OrbSteersTowardsTheButtonAndThinsItsTrailWhenSlow) {
    int orb = install(100, 100, 105010, 0, 5.95f, 2.95f);
    g_fps = 10;
    updateEffects();
    const vexaTEffect& e = effectPool[size_t(orb)];
    EXPECT_FLOAT_EQ(e.lx, 6);  // clamped
    EXPECT_FLOAT_EQ(e.ly, 3);
    EXPECT_FLOAT_EQ(e.x, 106);
    EXPECT_EQ(effectsOfKind(4), 0);
    EXPECT_EQ(puReplaceAllItems._glow, 0);
    g_fps = 25;
    g_frame = 3;
    updateEffects();
    EXPECT_EQ(effectsOfKind(4), 0);  // every second frame only
    g_frame = 4;
    updateEffects();
    EXPECT_EQ(effectsOfKind(4), 1);
}

}  // namespace
