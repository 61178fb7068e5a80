// The meteor: when it may start, its flight and click box, the freeze under a dialog, the
// points of a hit, and the rain that turns three items into bombs once their meteors landed.
#include "match3/meteor.h"

#include <cmath>
#include <set>

#include "match3/board_fixture.h"
#include "test_support.h"

namespace {

class MeteorTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        meteor = TMeteor();
    }
    void TearDown() override {
        meteor = TMeteor();
        BoardTest::TearDown();
    }

    // A meteor in flight at (x, y) with the sizes its picture strip gives, standing still.
    static void flyingAt(float x, float y) {
        meteor.w = 50;
        meteor.h = 28;
        meteor.speed = 2.8f;
        meteor.inAction = 1;
        meteor.corner = 1;
        meteor.tempSetXY(x, y);
    }
    static void clickAt(float x, float y) {
        mousePointer._x = x;
        mousePointer._y = y;
        input._MausFireLeft = 1;
    }
    // One frame of the scene as far as the meteor is concerned: effects, then the meteor.
    static void frame() {
        updateEffects();
        if (meteor.inAction == 1) meteor.Update();
    }
};

// Loading twice (tests load pictures more than once) must not narrow the start range again.
TEST_F(MeteorTest, StartWaitsForNextAppearanceAndEntersFromASide) {
    meteor.loadImages();
    meteor.loadImages();
    EXPECT_TRUE(meteor.img);
    EXPECT_EQ(meteor.h, 28);
    EXPECT_EQ(meteor.minY, 115);
    EXPECT_EQ(meteor.maxY, 605);
    m._runtime = 700;
    meteor.nextAppearance = 701;
    EXPECT_EQ(meteor.Start(), -1);
    EXPECT_EQ(meteor.inAction, 0);
    EXPECT_EQ(meteor.positionX, 0);

    meteor.nextAppearance = 700;
    int corners[3] = {};
    for (int n = 0; n < 40; ++n) {
        ASSERT_EQ(meteor.Start(), 0);
        EXPECT_EQ(meteor.inAction, 1);
        corners[meteor.corner] += 1;
        EXPECT_FLOAT_EQ(meteor.positionX, meteor.corner == 1 ? -28.0f : 1052.0f);
        EXPECT_FLOAT_EQ(meteor.directionX, meteor.corner == 1 ? 2.8f : -2.8f);
        EXPECT_TRUE(meteor.positionY >= 115 && meteor.positionY <= 605) << meteor.positionY;
        EXPECT_LE(std::abs(meteor.directionY), 1.4f);
    }
    EXPECT_GT(corners[1], 0);
    EXPECT_GT(corners[2], 0);
}

TEST_F(MeteorTest, NextAppearanceComes501To5500FramesLater) {
    m._runtime = 1000;
    for (int n = 0; n < 2000; ++n) {
        meteor.CalcNextAppearance();
        ASSERT_GE(meteor.nextAppearance, 1501);
        ASSERT_LE(meteor.nextAppearance, 6500);
    }
}

TEST_F(MeteorTest, FlightMovesAndSpinsEverySecondFrameBothWays) {
    flyingAt(100, 300);
    meteor.directionX = 2.8f;
    meteor.directionY = -1;
    setBlend(BLEND_SHADE);
    setAlpha(0.4f);
    for (int n = 0; n < 4; ++n) meteor.Update();
    EXPECT_FLOAT_EQ(meteor.positionX, 111.2f);
    EXPECT_FLOAT_EQ(meteor.positionY, 296);
    EXPECT_EQ(meteor.animCount, 2);
    EXPECT_EQ(getBlend(), BLEND_SHADE);  // the drawing state is given back
    EXPECT_FLOAT_EQ(getAlpha(), 0.4f);

    meteor.corner = 2;
    meteor.animCount = 0;
    meteor.runtime = 0;
    meteor.Update();
    EXPECT_EQ(meteor.animCount, 0);
    meteor.Update();
    EXPECT_EQ(meteor.animCount, 15);
}

TEST_F(MeteorTest, ClickBoxIsTheUpperHalfWithStrictBounds) {
    struct Case {
        float x, y;
        int presses;
        int hit;
    } cases[] = {
        {149, 201, 1, 1},  // 1 px inside the right edge, top half
        {101, 227, 1, 1},  // 1 px inside the left edge and the lower bound
        {150, 210, 1, 0},  // on the right edge
        {120, 228, 1, 0},  // 28 px below the top: the lower half
        {120, 240, 1, 0},  // well inside the lower half
        {120, 200, 1, 0},  // on the top edge
        {120, 210, 2, 0},  // two presses in one frame are no click
    };
    for (const Case& c : cases) {
        meteor = TMeteor();
        flyingAt(100, 200);
        clickAt(c.x, c.y);
        input._MausFireLeft = c.presses;
        meteor.Update();
        EXPECT_EQ(meteor.isHit, c.hit) << c.x << ", " << c.y;
    }
}

TEST_F(MeteorTest, DialogFreezesTheMeteor) {
    flyingAt(300, 300);
    meteor.directionX = 2.8f;
    popupHandler.runtime = 4;
    clickAt(320, 310);
    for (int n = 0; n < 3; ++n) meteor.Update();
    EXPECT_EQ(meteor.runtime, 0);
    EXPECT_EQ(meteor.positionX, 300);
    EXPECT_EQ(meteor.isHit, 0);
    popupHandler.runtime = 0;
    meteor.Update();
    EXPECT_EQ(meteor.runtime, 1);
}

TEST_F(MeteorTest, HitScores1500AndBursts) {
    build({"1212", "2121"});
    for (int flown : {1, 200}) {
        meteor = TMeteor();
        flyingAt(400, 300);
        meteor.runtime = flown - 1;
        int before = player.LevelPoints;
        clickAt(410, 310);
        meteor.Update();
        EXPECT_EQ(player.LevelPoints - before, 1500);
        EXPECT_EQ(meteor.isRaining, 1);
        EXPECT_EQ(effectsOfKind(109100), 1);
        clearEffects();
    }
}

TEST_F(MeteorTest, RainBombsThreeTargetsAfterTheirMeteorsLanded) {
    build({"B1SD", "D2BS", "SB3D"});
    std::set<int> targets = {at(3, 2), at(3, 3), at(4, 4)};
    flyingAt(400, 300);
    clickAt(410, 310);
    meteor.Update();
    input._MausFireLeft = 0;
    clearEffects();  // without fragments each explosion takes over the slot of its meteor
    frame();
    frame();
    EXPECT_EQ(g_powerUpBusy, 1);
    for (int slot : meteor.impact) EXPECT_TRUE(targets.count(slot)) << slot;
    frame();
    auto impacts = meteor.impact;
    auto slots = meteor.gfxid;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(effectPool[size_t(slots[size_t(i)])].id, 108900);

    int frames = 3;
    while (meteor.inAction == 1 && frames < 200) {
        frame();
        frames += 1;
        for (size_t i = 0; i < 3; ++i) {
            if (m._itemA[impacts[i]] == vexaTSceneMatch3::_ITEM_BOMB) {
                EXPECT_EQ(effectPool[size_t(slots[i])].id, 0);
            }
        }
    }
    EXPECT_EQ(frames, 80 + 3 + 13);  // the fall and its explosion
    EXPECT_LE(frames, 101);
    for (int slot : impacts) EXPECT_EQ(m._itemA[size_t(slot)], vexaTSceneMatch3::_ITEM_BOMB);
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_XSTEIN), 3);
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_XDOOR), 3);

    for (int field : {meteor.isHit, meteor.isRaining, meteor.raincounter, meteor.donecount, meteor.runtime})
        EXPECT_EQ(field, 0);
    EXPECT_EQ(meteor.impact, (std::array<int, 3>{}));
    EXPECT_EQ(meteor.gfxid, (std::array<int, 3>{}));
    EXPECT_EQ(g_powerUpBusy, 0);
    EXPECT_GE(meteor.nextAppearance, m._runtime + 501);
}

// One impact landing early must not end the rain before the others have made their bombs; an
// impact whose slot another effect took over at once still counts; an item gone in the
// meantime is not brought back as a bomb.
TEST_F(MeteorTest, RainWaitsForEveryImpactAndSkipsVanishedItems) {
    build({"12", "21"});
    int early = at(2, 2), late = at(3, 2), gone = at(2, 3), untouched = at(3, 3);
    meteor.isRaining = meteor.inAction = 1;
    frame();
    frame();
    meteor.impact = {early, late, gone};
    frame();
    vexaTEffect& first = effectPool[size_t(meteor.gfxid[0])];
    first.id = 109000;  // a fragment's explosion at the screen edge in the freed slot
    first.x = -1;
    for (int n = 0; n < 5; ++n) frame();
    EXPECT_EQ(meteor.inAction, 1);
    EXPECT_EQ(m._itemA[size_t(early)], vexaTSceneMatch3::_ITEM_BOMB);
    EXPECT_EQ(m._itemA[size_t(late)], 2);
    m._itemA[size_t(gone)] = 0;
    while (meteor.inAction == 1) frame();
    EXPECT_EQ(m._itemA[size_t(late)], vexaTSceneMatch3::_ITEM_BOMB);
    EXPECT_EQ(m._itemA[size_t(gone)], 0);
    EXPECT_EQ(m._itemA[size_t(untouched)], 1);
}

// No qualifying item, or no free effect slot: nothing falls, nothing turns, the rain ends.
TEST_F(MeteorTest, RainWithoutFallingMeteorsEndsAtOnce) {
    build({"BSD", "DB1"});
    m._itemA[size_t(at(4, 3))] = vexaTSceneMatch3::_bug;
    EXPECT_EQ(meteor.getTarget(), 0);
    for (bool fullPool : {false, true}) {
        if (fullPool) {
            m._itemA[size_t(at(4, 3))] = 1;
            for (int slot = 1; slot < EFFECT_SLOTS; ++slot) effectPool[size_t(slot)].id = 22004;
        }
        meteor.isRaining = meteor.inAction = 1;
        for (int n = 0; n < 4; ++n) meteor.Update();
        EXPECT_EQ(meteor.inAction, 0);
        EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_BOMB), 2);
        EXPECT_EQ(effectsOfKind(108900), 0);
    }
}

class MeteorSceneTest : public MeteorTest {
protected:
    ScopedWorkDir dir;
};

TEST_F(MeteorSceneTest, F8StartsAMeteorOnlyAfterFrame150) {
    // A level of 4 by 4 cells with one moss cell (code 3), so it cannot be won meanwhile.
    std::string bytes;
    for (int n = 0; n < 13 * 20; ++n) {
        int row = n / 20 + 1, column = n % 20 + 1;
        int value = row == 3 && column == 3 ? 3 : (row >= 2 && row <= 5 && column >= 2 && column <= 5 ? 0 : -1);
        bytes += std::string{char(value & 0xff), char((value >> 8) & 0xff), char((value >> 16) & 0xff),
                             char((value >> 24) & 0xff)};
    }
    dir.write("data/levels/lvla002.lvl", bytes);
    player.isHelp = 0;
    player.gtGameType = vexaTSceneMatch3::_GAMETYPE_SWAP;  // no rows on the fresh board: the moss stays
    m.Prepare();
    input._F8 = 1;
    while (m._runtime < 150) {
        m.Update();
        ASSERT_EQ(meteor.inAction, 0) << m._runtime;
    }
    m.Update();
    EXPECT_EQ(m._runtime, 151);
    EXPECT_EQ(meteor.inAction, 1);
}

}  // namespace
