// Installing effects into the fixed pool.
#include <gtest/gtest.h>

#include "match3/effects.h"
#include "platform/platform.h"

namespace {

class EffectPoolTest : public ::testing::Test {
protected:
    void SetUp() override { clearEffects(); }
    void TearDown() override { clearEffects(); }
};

TEST_F(EffectPoolTest, TakesTheLowestFreeSlotsInOrder) {
    EXPECT_EQ(installEffect(10, 20, 307, 1.5f, -2), 1);
    EXPECT_EQ(installEffect(10, 20, 2000, 0, 0), 2);
    EXPECT_EQ(effectPool[1].id, 307);
    EXPECT_EQ(effectPool[1].lx, 1.5f);
    EXPECT_EQ(effectPool[1].ly, -2);
    EXPECT_EQ(effectPool[1].runtime, 0);
    effectPool[1].id = 0;
    EXPECT_EQ(installEffect(5, 5, 95703, 0, 0), 1);
}

TEST_F(EffectPoolTest, SparksStartAtARandomAge) {
    seedRandom(3);
    int older = 0;
    for (int n = 0; n < 20; ++n) {
        int slot = installEffect(1, 1, 109, 0, 0);
        EXPECT_LE(effectPool[size_t(slot)].runtime, 50);
        older += effectPool[size_t(slot)].runtime > 0;
    }
    EXPECT_GT(older, 0);
}

TEST_F(EffectPoolTest, RefusesEffectsAboveTheScreenAndWhenFull) {
    EXPECT_EQ(installEffect(10, 0, 307, 0, 0), 0);
    EXPECT_EQ(installEffect(10, -20, 307, 0, 0), 0);
    for (int n = 1; n < EFFECT_SLOTS; ++n) ASSERT_EQ(installEffect(1, 1, 300, 0, 0), n);
    EXPECT_EQ(installEffect(1, 1, 300, 0, 0), 0);  // slot 10000 is never installed into
    clearEffects();
    EXPECT_EQ(effectPool[EFFECT_SLOTS - 1].id, 0);
}

}  // namespace
