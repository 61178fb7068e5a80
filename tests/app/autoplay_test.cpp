// The built-in player: which move it picks on small boards, and that its presses reach the
// rules through the platform's input and the shell's input poll.
#include <utility>

#include "app/autoplay.h"
#include "app/shell.h"
#include "match3/power_up.h"
#include "match3/board_fixture.h"
#include "ui/scene_handler.h"

namespace {

class AutoplayTest : public BoardTest {
protected:
    TAutoPlayer autoPlayer{sceneMatch3};

    // Exactly two swaps make a row: the gem at (4, 2) with (5, 2) gives a row of colour 1, the
    // gem at (4, 4) with (5, 4) a row of colour 3.
    const std::vector<std::string> twoSwaps = {"11214", "45425", "33532"};

    void SetUp() override {
        BoardTest::SetUp();
        enablePointer();
        m._runtime = 200;
        m._inruhe = 1;
        input._MausOK = 1;
    }
    void TearDown() override {
        injectMouseButton(1, false);
        flushMouse();
        sceneHandler = vexaTSceneHandler();
        BoardTest::TearDown();
    }

    // One frame as the shell runs it: the player, the input poll, then the rules.
    void playFrame() {
        autoPlayer.frame();
        inputPoll();
        m._item_slide();
        m._make_swaps();
        m._gt3_swappen();
        m._remove_items();
    }
    std::pair<int, int> chosenPair() {
        AutoMove move = chooseAutoMove(m, player);
        return {move.first, move.second};
    }
};

TEST_F(AutoplayTest, WithoutGoalsTheFirstSwapThatMakesARowIsChosen) {
    build(twoSwaps);
    EXPECT_EQ(chosenPair(), std::make_pair(at(4, 2), at(5, 2)));
}

TEST_F(AutoplayTest, GoalColoursStillNeededArePreferred) {
    build(twoSwaps);
    player.itemsToDestroyData[2][3] = 4;
    EXPECT_EQ(chosenPair(), std::make_pair(at(4, 4), at(5, 4)));
    player.itemsDestroyed[3] = 4;  // colour 3 is done: back to the first row
    EXPECT_EQ(chosenPair(), std::make_pair(at(4, 2), at(5, 2)));
}

TEST_F(AutoplayTest, RowsOverMossArePreferred) {
    build(twoSwaps);
    for (int column = 2; column <= 4; ++column) m._cellMoss[size_t(m._itemCell[size_t(at(column, 4))])] = 1;
    EXPECT_EQ(chosenPair(), std::make_pair(at(4, 4), at(5, 4)));
}

TEST_F(AutoplayTest, ARowOfFiveThatLeavesABombBeatsAnEqualRow) {
    build({"22122", "35253", "44344", "15451"});
    EXPECT_EQ(chosenPair(), std::make_pair(at(4, 4), at(4, 5)));
}

TEST_F(AutoplayTest, ABombIsSetOffWhenNoSwapExistsOrItsBlastIsWorthMore) {
    build({"1234", "3B12", "2341"});
    AutoMove move = chooseAutoMove(m, player);
    EXPECT_EQ(move.first, at(3, 3));
    EXPECT_EQ(move.second, 0);

    sceneMatch3.resetAll();
    build({"11214", "45425", "335B2"});
    EXPECT_EQ(chooseAutoMove(m, player).first, at(5, 4));
}

TEST_F(AutoplayTest, NoMoveOnABoardWithoutRowsOrBombs) {
    build({"1234", "3412", "2341"});
    EXPECT_EQ(chooseAutoMove(m, player).first, 0);
}

TEST_F(AutoplayTest, FallingItemsAreLeftOutOfTheSearch) {
    build(twoSwaps);
    m._Item_f[size_t(at(2, 2))] = 1;
    EXPECT_EQ(chosenPair(), std::make_pair(at(4, 4), at(5, 4)));
}

TEST_F(AutoplayTest, TheSwapIsMadeWithTwoPressesThroughTheInputPoll) {
    build(twoSwaps);
    int gem = at(4, 2), partner = at(5, 2);
    playFrame();
    EXPECT_EQ(input._MausDownLeft, 1);
    EXPECT_EQ(mousePointer._x, X(4));
    EXPECT_EQ(mousePointer._y, Y(2));
    EXPECT_EQ(m._gt3_partner1, gem);
    playFrame();
    EXPECT_EQ(input._MausDownLeft, 0);
    playFrame();
    EXPECT_EQ(input._MausDownLeftCount, 1);
    EXPECT_EQ(m._gt3_partner2, partner);
    EXPECT_EQ(m._gt3_swapdir, 1);
    for (int f = 0; f < 6 && m._gt3_swap != 0; ++f) playFrame();
    EXPECT_EQ(m._gt3_swap, 0);
    EXPECT_EQ(player.LevelPoints, 15);  // the row of three was removed
    EXPECT_EQ(m._itemA[size_t(at(5, 2))], 2);
}

TEST_F(AutoplayTest, NothingIsPressedBeforeTheBoardAcceptsInput) {
    build(twoSwaps);
    m._runtime = 150;
    playFrame();
    m._runtime = 200;
    m._Item_f[size_t(at(6, 3))] = 1;
    autoPlayer.frame();
    inputPoll();
    m._Item_f[size_t(at(6, 3))] = 0;
    m._swapping = 15;
    autoPlayer.frame();
    inputPoll();
    EXPECT_EQ(input._MausDownLeft, 0);
    EXPECT_EQ(m._gt3_partner1, 0);
}

TEST_F(AutoplayTest, ASelectionItDidNotMakeIsDroppedFirst) {
    build(twoSwaps);
    m._gt3_partner1 = at(2, 3);
    playFrame();
    EXPECT_EQ(mousePointer._x, X(2));
    EXPECT_EQ(m._gt3_partner1, 0);
    playFrame();
    playFrame();
    EXPECT_EQ(m._gt3_partner1, at(4, 2));
}

TEST_F(AutoplayTest, TheSummaryIsConfirmedWithTheOkButtonOnceItIsShown) {
    build(twoSwaps);
    m._winrun = 120;  // not a chapter level: the button comes after frame 120
    autoPlayer.frame();
    inputPoll();
    EXPECT_EQ(input._MausFireLeft, 0);
    m._winrun = 121;
    autoPlayer.frame();
    inputPoll();
    EXPECT_EQ(input._MausFireLeft, 1);
    EXPECT_EQ(mousePointer._x, 512);
    EXPECT_EQ(mousePointer._y, 540);

    player.Level = 10;  // a chapter level shows its picture first
    autoPlayer.frame();
    autoPlayer.frame();
    inputPoll();
    EXPECT_EQ(input._MausFireLeft, 0);
}

TEST_F(AutoplayTest, TheInstructionsAreConfirmedOnceFullyOpen) {
    build(twoSwaps);
    popupHandler.State = POPUP_INSTRUCTIONS;
    popupHandler.direction = 1;
    popupHandler.runtime = 15;
    autoPlayer.frame();
    inputPoll();
    EXPECT_EQ(input._MausFireLeft, 0);
    popupHandler.runtime = POPUP_OPEN;
    autoPlayer.frame();
    inputPoll();
    EXPECT_EQ(input._MausFireLeft, 1);
    EXPECT_EQ(mousePointer._x, 512);
    EXPECT_EQ(mousePointer._y, 610);
}

TEST_F(AutoplayTest, AnAffordablePowerUpIsBoughtAndAReadyOneUsedWhenNoSwapIsLeft) {
    build({"1234", "3412", "2341"});
    player.Level = 9;
    m._draw_pu();  // the buttons show from this frame on
    player.StoryPoints = 70000;
    playFrame();
    m._draw_pu();
    EXPECT_EQ(puRemoveLine.isUnlocked, 1);
    EXPECT_EQ(player.StoryPoints, 70000 - 27500);
    for (int f = 0; f < 8; ++f) {
        playFrame();
        m._draw_pu();
    }
    EXPECT_EQ(puRemoveSameItem.isUnlocked, 0) << "47500 is more than is left";
    EXPECT_EQ(puRemoveLine.isRunning, 1) << "no swap is left, so the free first use is taken";
    EXPECT_EQ(player.StoryPoints, 70000 - 27500);
    for (vexaTPowerUp* powerUp : powerUpsInFrameOrder()) powerUp->resetAll();
}

TEST_F(AutoplayTest, FinishedOnceTheWonLevelIsHandedOnAndFadedOut) {
    EXPECT_FALSE(autoPlayer.finished());
    m._winrun = -1;
    sceneHandler.fade_out(SCENE_ROADMAP, 0, 0);
    EXPECT_FALSE(autoPlayer.finished());
    sceneHandler.fade_in();
    EXPECT_TRUE(autoPlayer.finished());
}

// The report keeps the moves started and the seconds of play when the win first showed,
// which the profile clears once the win is confirmed.
TEST_F(AutoplayTest, TheReportHoldsTheMovesAndTheSecondsAtTheWin) {
    build(twoSwaps);
    playFrame();
    EXPECT_EQ(autoPlayer.report().moves, 1);
    EXPECT_EQ(autoPlayer.report().winFrame, 0);
    player.time = 37;
    g_frame = 900;
    m._winrun = 1;
    playFrame();
    player.time = 0;
    g_frame = 950;
    m._winrun = 200;
    playFrame();
    EXPECT_EQ(autoPlayer.report().winSeconds, 37);
    EXPECT_EQ(autoPlayer.report().winFrame, 900);
}

}  // namespace
