// The power-ups on a hand-built board: which buttons a level shows, buying and paying, the
// hover box, and the timing of each kind's work frame by frame.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "match3/board_fixture.h"
#include "match3/power_up.h"

namespace {

class PowerUpTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        resetPowerUps();
        m._inruhe = 1;
        m._runtime = 200;
    }
    void TearDown() override {
        resetPowerUps();
        BoardTest::TearDown();
    }

    static void resetPowerUps() {
        for (vexaTPowerUp* powerUp : powerUpsInFrameOrder()) powerUp->resetAll();
    }

    // The power-up step of one frame, with the pointer and a fresh left click where given.
    void step(bool click = false) {
        input._MausFireLeft = click ? 1 : 0;
        m._draw_pu();
    }
    void clickButton(vexaTPowerUp& powerUp) {
        mousePointer._x = powerUp._x;
        mousePointer._y = powerUp._y;
        step(true);
    }
    static void unlockFree(vexaTPowerUp& powerUp) {
        powerUp.isUnlocked = 1;
        powerUp.isFirstTime = 1;
    }
};

TEST_F(PowerUpTest, ButtonsAppearFromTheirLevels) {
    auto available = [&](int level) {
        player.Level = level;
        step();
        std::set<std::string> shown;
        if (puRemoveLine.isAvailable) shown.insert("line");
        if (puRemoveSameItem.isAvailable) shown.insert("colour");
        if (puThrowExplosive.isAvailable) shown.insert("explosive");
        if (puReplaceAllItems.isAvailable) shown.insert("all");
        return shown;
    };
    EXPECT_TRUE(available(2).empty());
    EXPECT_EQ(available(3), (std::set<std::string>{"line"}));
    EXPECT_EQ(available(7), (std::set<std::string>{"line", "colour", "explosive"}));
    EXPECT_EQ(available(9), (std::set<std::string>{"line", "colour", "explosive", "all"}));
}

TEST_F(PowerUpTest, UnlockingWithExactlyThePriceLeavesNothingAndTheFirstUseIsFree) {
    build({"123412341234", "341234123412", "412341234123"});
    player.Level = 3;
    player.StoryPoints = 27500;
    clickButton(puRemoveLine);
    EXPECT_EQ(puRemoveLine.isUnlocked, 1);
    EXPECT_EQ(puRemoveLine.isFirstTime, 1);
    EXPECT_EQ(player.StoryPoints, 0);

    step();  // readiness is seen on the next frame
    EXPECT_EQ(puRemoveLine.isReady, 1);
    clickButton(puRemoveLine);
    EXPECT_EQ(puRemoveLine.isSelected, 1);
    enablePointer();
    pointTo(3, 3);
    step(true);
    EXPECT_EQ(puRemoveLine.isRunning, 1);
    EXPECT_EQ(player.StoryPoints, 0);
    EXPECT_EQ(puRemoveLine.isFirstTime, 0);
    for (int frame = 0; frame < 40 && puRemoveLine.isRunning; ++frame) step();
    EXPECT_EQ(puRemoveLine.isReady, 0) << "the second use must be paid";
}

TEST_F(PowerUpTest, NotEnoughPointsToUnlockChangesNothing) {
    player.Level = 9;
    player.StoryPoints = 105000 - 1;
    clickButton(puReplaceAllItems);
    EXPECT_EQ(puReplaceAllItems.isUnlocked, 0);
    EXPECT_EQ(player.StoryPoints, 105000 - 1);
}

TEST_F(PowerUpTest, ReadinessFollowsThePointsEveryFrame) {
    player.Level = 5;
    puRemoveSameItem.isUnlocked = 1;
    player.StoryPoints = 7499;
    step();
    EXPECT_EQ(puRemoveSameItem.isReady, 0);
    player.StoryPoints = 7500;
    step();
    EXPECT_EQ(puRemoveSameItem.isReady, 1);
    player.StoryPoints = 10;
    step();
    EXPECT_EQ(puRemoveSameItem.isReady, 0);
    clickButton(puRemoveSameItem);
    EXPECT_EQ(puRemoveSameItem.isSelected, 0) << "an unaffordable power-up is not selected";
}

TEST_F(PowerUpTest, HoverBoxIsWiderBelowThanAboveAndStrict) {
    vexaTPowerUp& p = puRemoveLine;
    auto hoverAt = [&](float dx, float dy) {
        mousePointer._x = p._x + dx;
        mousePointer._y = p._y + dy;
        return p.checkHover();
    };
    EXPECT_EQ(hoverAt(0, -55), 1);
    EXPECT_EQ(hoverAt(0, 55), 0);
    EXPECT_EQ(hoverAt(0, -59), 1);
    EXPECT_EQ(hoverAt(0, -60), 0);
    EXPECT_EQ(hoverAt(0, 49), 1);
    EXPECT_EQ(hoverAt(0, 50), 0);
    EXPECT_EQ(hoverAt(-49, 0), 1);
    EXPECT_EQ(hoverAt(-50, 0), 0);
    EXPECT_EQ(hoverAt(50, 0), 0);
    p._hover_runtime = 30;
    hoverAt(100, 0);
    EXPECT_EQ(p._hover_runtime, 0) << "leaving the button restarts the tooltip delay";
}

TEST_F(PowerUpTest, ClicksAreIgnoredWhileTheBoardMovesOrAnotherPowerUpWorks) {
    build({"12341", "34123", "41234"});
    player.Level = 9;
    unlockFree(puThrowExplosive);
    step();
    m._inruhe = 0;
    clickButton(puThrowExplosive);
    EXPECT_EQ(puThrowExplosive.isRunning, 0) << "board moving";
    m._inruhe = 1;
    // The colour remover's work comes earlier in the frame and keeps the board busy.
    puRemoveSameItem.isRunning = 1;
    puRemoveSameItem._listoftargets.push_back(_TtmpInteger());
    puRemoveSameItem._listoftargets.back().r = 1000;
    clickButton(puThrowExplosive);
    EXPECT_EQ(puThrowExplosive.isRunning, 0) << "another power-up at work";
    puRemoveSameItem.Prepare();
    clickButton(puThrowExplosive);
    EXPECT_EQ(puThrowExplosive.isRunning, 1);
}

TEST_F(PowerUpTest, ARowOfTwelveGoesFromFrameEightToThirtyAndEndsOnThirtyOne) {
    build({"123412341234", "341234123412"});
    unlockFree(puRemoveLine);
    puRemoveLine._selectedRow = int(Y(2));
    puRemoveLine._activate();
    ASSERT_EQ(puRemoveLine._listOfTargets.size(), 12u);
    std::map<int, int> frameOfColumn;
    for (int frame = 1; frame <= 31; ++frame) {
        puRemoveLine._work();
        for (int column = 2; column <= 13; ++column)
            if (!frameOfColumn.count(column) && at(column, 2) == 0) frameOfColumn[column] = frame;
        EXPECT_EQ(puRemoveLine.isRunning, frame < 31 ? 1 : 0) << "frame " << frame;
    }
    for (int column = 2; column <= 13; ++column) EXPECT_EQ(frameOfColumn[column], 8 + 2 * (column - 2));
    EXPECT_EQ(puRemoveLine.isSelected, 0);
    EXPECT_EQ(player.anzItems, 12);
}

TEST_F(PowerUpTest, StoneAndDoorBlocksInTheRowStayAndTheirTurnsPass) {
    build({"12S4D1", "341232"});
    unlockFree(puRemoveLine);
    int stone = at(4, 2), door = at(6, 2);
    puRemoveLine._selectedRow = int(Y(2));
    puRemoveLine._activate();
    for (int frame = 1; frame <= 18; ++frame) puRemoveLine._work();
    EXPECT_EQ(m._itemA[stone], vexaTSceneMatch3::_ITEM_XSTEIN);
    EXPECT_EQ(m._itemA[door], vexaTSceneMatch3::_ITEM_XDOOR);
    EXPECT_EQ(at(2, 2) + at(3, 2) + at(5, 2) + at(7, 2), 0);
    EXPECT_EQ(puRemoveLine.isRunning, 1);
    puRemoveLine._work();  // frame 19: the six records (8..18) are handled, the list is empty
    EXPECT_EQ(puRemoveLine.isRunning, 0);
    EXPECT_EQ(player.anzItems, 4);
}

TEST_F(PowerUpTest, APickDuringARunIsIgnoredAndPrepareEmptiesTheList) {
    build({"12341", "34123", "41234"});
    enablePointer();
    player.Level = 3;
    unlockFree(puRemoveLine);
    puRemoveLine.isSelected = 1;
    pointTo(2, 2);
    step(true);
    ASSERT_EQ(puRemoveLine.isRunning, 1);
    size_t listed = puRemoveLine._listOfTargets.size();
    pointTo(2, 4);
    step(true);
    EXPECT_EQ(puRemoveLine._listOfTargets.size(), listed - 0) << "no second row listed";
    puRemoveLine.Prepare();
    EXPECT_TRUE(puRemoveLine._listOfTargets.empty());
    EXPECT_EQ(puRemoveLine.isRunning, 0);
    EXPECT_EQ(puRemoveLine.isSelected, 0);
}

TEST_F(PowerUpTest, TwentyGemsOfOneColourGoOnEveryOtherFrameInSlotOrder) {
    build({"3333333333", "1212121212", "3333333333", "2121212121"});
    unlockFree(puRemoveSameItem);
    std::vector<int> slots;
    std::vector<float> xs;
    for (int i = 1; i < M3_SLOTS; ++i)
        if (m._itemA[i] == 3) {
            slots.push_back(i);
            xs.push_back(m._itemX[i]);
        }
    ASSERT_EQ(slots.size(), 20u);
    puRemoveSameItem._selectedItem = 3;
    puRemoveSameItem._activate();
    EXPECT_EQ(puRemoveSameItem._selectedItem, 0);
    // A freed slot may be taken again by a new gem, which enters above the board.
    auto gone = [&](size_t k) { return m._itemA[size_t(slots[k])] != 3 || m._itemY[size_t(slots[k])] < 0; };
    std::vector<int> removedOn(slots.size(), 0);
    for (int frame = 1; frame <= 41; ++frame) {
        puRemoveSameItem._work();
        for (size_t k = 0; k < slots.size(); ++k)
            if (removedOn[k] == 0 && gone(k)) removedOn[k] = frame;
    }
    for (size_t k = 0; k < slots.size(); ++k) EXPECT_EQ(removedOn[k], 2 + 2 * int(k)) << "slot " << slots[k];
    EXPECT_EQ(puRemoveSameItem.isRunning, 0);
}

TEST_F(PowerUpTest, TheTrailHeadRisesFromWorkFrameTwentyToFiftyThreeAndTheWaveStartsOnFiftyFour) {
    build({"1234", "3412"});
    unlockFree(puReplaceAllItems);
    puReplaceAllItems._activate();
    for (int frame = 1; frame <= 54; ++frame) {
        clearEffects();
        puReplaceAllItems._work();
        bool headDrawn = effectsOfKind(4) == 1;
        EXPECT_EQ(headDrawn, frame >= 20 && frame <= 53) << "frame " << frame;
        EXPECT_EQ(m._swapping, frame == 54 ? 1 : 0) << "frame " << frame;
    }
    EXPECT_EQ(puReplaceAllItems.isRunning, 0);
    EXPECT_EQ(effectsOfKind(154), 60);
}

TEST_F(PowerUpTest, TheFuseNeverChoosesBlocksFallingItemsOrItemsNearTheEdges) {
    build({"SDS", "D1S", "SSD"});
    int gem = at(3, 3);
    // A gem in the top 50 pixels and one left of x 30, both resting on cells, and a gem in mid-air.
    for (auto [x, y] : {std::pair{200.0f, 40.0f}, std::pair{20.0f, 200.0f}}) {
        m._instcell(x, y, 1, 0, 0, 0, 0);
        m._item_prepare(x, y + 48, vexaTSceneMatch3::_ITEM_BRAKE, 0);
        m._item_prepare(x, y, 2, 0);
    }
    m._item_prepare(300, 300, 4, 0);
    link();
    for (int seed = 1; seed <= 30; ++seed) {
        seedRandom(unsigned(seed));
        puThrowExplosive.resetAll();
        puThrowExplosive._activate();
        puThrowExplosive._work();
        ASSERT_EQ(puThrowExplosive._targetz, gem) << "seed " << seed;
    }
}

TEST_F(PowerUpTest, TheFuseBurnsSeventySixFramesAndTheBlastComesOnFrameSeventySeven) {
    build({"12341", "34123", "41234", "23412"});
    unlockFree(puThrowExplosive);
    puThrowExplosive._activate();
    puThrowExplosive._work();
    int target = puThrowExplosive._targetz;
    ASSERT_NE(target, 0);
    int type = m._itemA[target];
    for (int frame = 2; frame <= 76; ++frame) puThrowExplosive._work();
    EXPECT_EQ(m._itemA[target], type);
    puThrowExplosive._work();  // frame 77
    EXPECT_EQ(m._itemA[target], 0);
    EXPECT_GT(effectsOfKind(2000), 0);
    puThrowExplosive._work();
    EXPECT_EQ(puThrowExplosive.isRunning, 1);
    puThrowExplosive._work();  // frame 79
    EXPECT_EQ(puThrowExplosive.isRunning, 0);
}

TEST_F(PowerUpTest, AnExplosiveWithoutCandidatesEndsAtOnceWithoutEffect) {
    build({"SSS", "SSS"});
    unlockFree(puThrowExplosive);
    puThrowExplosive._activate();
    puThrowExplosive._work();
    EXPECT_EQ(puThrowExplosive._targetz, 0);
    EXPECT_EQ(puThrowExplosive.isRunning, 0);
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_XSTEIN), 6);
}

TEST_F(PowerUpTest, AFuseBurningWhenALevelIsLeftDoesNotReachTheNextBoard) {
    build({"12341", "34123", "41234"});
    unlockFree(puThrowExplosive);
    puThrowExplosive._activate();
    for (int frame = 1; frame <= 40; ++frame) puThrowExplosive._work();
    int target = puThrowExplosive._targetz;
    int type = m._itemA[target];
    puThrowExplosive.Prepare();
    EXPECT_EQ(puThrowExplosive.isRunning, 0);
    EXPECT_EQ(puThrowExplosive.isUnlocked, 0) << "until the profile gives the flag back";
    player.resumeThrowExplosiveIsUnlocked = 1;
    player.resumePowerUps();
    EXPECT_EQ(puThrowExplosive.isUnlocked, 1);
    for (int frame = 1; frame <= 60; ++frame) m._draw_pu();
    EXPECT_EQ(m._itemA[target], type);
}

}  // namespace
