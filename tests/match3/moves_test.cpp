// The input step, the swap animation with its acceptance test, and the recolouring wave.
#include "match3/board_fixture.h"

namespace {

class MovesTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        enablePointer();
        m._runtime = 151;
        m._inruhe = 1;
    }
    // One frame of the rules that moves need.
    void frame() {
        m._make_swaps();
        m._gt3_swappen();
        m._remove_items();
    }
    void press(int column, int row) {
        pointTo(column, row);
        input._MausDownLeft = 1;
        input._MausDownLeftCount += 1;
        frame();
    }
    void release() {
        input._MausDownLeft = 0;
        input._MausDownLeftCount = 0;
        frame();
    }
    // Swaps the gems at (2, 2) and (3, 2) up to the frame before the exchange, with the board
    // busy meanwhile so that nothing else is searched for rows.
    void swapUpToTheExchange() {
        press(2, 2);
        release();
        press(3, 2);
        release();
        m._inruhe = 0;
        for (int f = 3; f <= 6; ++f) frame();
        m._inruhe = 1;
    }
};

TEST_F(MovesTest, AcceptedSwapExchangesAtItsSeventhFrame) {
    build({"1211", "3434"});
    int left = at(2, 2), right = at(3, 2);
    press(2, 2);
    EXPECT_EQ(m._gt3_partner1, left);
    EXPECT_EQ(m._cellGlow[m._itemCell[left]], 9);
    EXPECT_EQ(m._nixdo, 0);
    release();
    press(3, 2);  // frame 1 of the swap
    EXPECT_EQ(m._gt3_partner2, right);
    EXPECT_EQ(m._gt3_swap, 12);
    EXPECT_EQ(m._gt3_swaplx1, 12);
    EXPECT_EQ(m._gt3_swaplx2, -12);
    release();
    for (int f = 3; f <= 6; ++f) frame();
    EXPECT_EQ(m._itemA[left], 1);
    m._make_swaps();
    m._gt3_swappen();  // frame 7: the exchange point
    EXPECT_EQ(m._itemA[left], 2);
    EXPECT_EQ(m._itemA[right], 1);
    EXPECT_EQ(m._fummcount, 3);
    EXPECT_EQ(m._gt3_swap, 0);
    EXPECT_EQ(m._gt3_partner1, 0);
    m._remove_items();
    EXPECT_EQ(at(3, 2), 0);
    EXPECT_EQ(player.LevelPoints, 15);
}

TEST_F(MovesTest, RefusedSwapSlidesBackInEightFrames) {
    build({"1213", "3434"});
    auto before = m._itemA;
    press(2, 2);
    release();
    press(3, 2);
    release();
    for (int f = 3; f <= 7; ++f) frame();
    EXPECT_EQ(m._gt3_swapdir, 2);
    EXPECT_EQ(m._gt3_swap, 48);
    for (int f = 1; f <= 7; ++f) frame();
    EXPECT_EQ(m._gt3_swap, 90);
    EXPECT_EQ(m._gt3_swaplx1, 6);
    frame();
    EXPECT_EQ(m._gt3_swap, 0);
    EXPECT_EQ(m._gt3_partner1, 0);
    EXPECT_EQ(m._gt3_swaplx1, 0);
    EXPECT_EQ(m._itemA, before);
}

TEST_F(MovesTest, ARowElsewhereDoesNotAcceptASwapThatMakesNone) {
    build({"1213", "3434", "5545"});
    int left = at(2, 2), right = at(3, 2);
    swapUpToTheExchange();
    m._itemA[at(4, 4)] = 5;  // a cascade completes a row below on the exchange frame
    m._gt3_swappen();
    EXPECT_EQ(m._itemA[left], 1) << "the partners are not exchanged";
    EXPECT_EQ(m._itemA[right], 2);
    EXPECT_EQ(m._gt3_swapdir, 2) << "they slide back";
    EXPECT_EQ(m._fummcount, 4) << "the row elsewhere is removed all the same";
}

TEST_F(MovesTest, ASwapWhosePartnerVanishedIsCancelledWithoutExchange) {
    build({"1211", "3434"});
    int left = at(2, 2), right = at(3, 2);
    swapUpToTheExchange();
    m._itemA[right] = 0;  // removed by a cascade meanwhile
    m._gt3_swappen();
    EXPECT_EQ(m._itemA[left], 1);
    EXPECT_EQ(m._itemA[right], 0) << "no gem appears from the freed slot";
    EXPECT_EQ(m._gt3_swap, 0);
    EXPECT_EQ(m._gt3_partner1, 0);
}

TEST_F(MovesTest, ASwapWhosePartnerSlotWasReusedIsCancelled) {
    build({"1211", "3434"});
    int left = at(2, 2), right = at(3, 2);
    swapUpToTheExchange();
    m._itemY[right] = Y(2) - 96;  // the slot now holds a new gem falling in above the board
    m._itemA[right] = 4;
    m._gt3_swappen();
    EXPECT_EQ(m._itemA[left], 1);
    EXPECT_EQ(m._itemA[right], 4);
    EXPECT_EQ(m._gt3_partner2, 0);
}

TEST_F(MovesTest, DraggingOntoANeighbourStartsTheSwap) {
    build({"1211"});
    press(2, 2);
    press(3, 2);  // button still held
    EXPECT_EQ(m._gt3_swapdir, 1);
    EXPECT_EQ(m._gt3_partner2, at(3, 2));
}

TEST_F(MovesTest, PressingAFarGemOnlyDropsTheSelection) {
    build({"1231"});
    press(2, 2);
    release();
    press(4, 2);
    EXPECT_EQ(m._gt3_partner1, 0);
    press(4, 2);  // held on: selected on the next frame
    EXPECT_EQ(m._gt3_partner1, at(4, 2));
    release();
    press(4, 2);  // a new press on the selected gem drops it
    EXPECT_EQ(m._gt3_partner1, 0);
}

TEST_F(MovesTest, NothingReactsEarlyOrWhileBusy) {
    build({"1211"});
    m._runtime = 150;
    press(2, 2);
    EXPECT_EQ(m._gt3_partner1, 0);
    release();
    m._runtime = 151;
    g_powerUpBusy = 1;
    press(2, 2);
    EXPECT_EQ(m._gt3_partner1, 0);
    release();
    g_powerUpBusy = 0;
    m._swapping = 10;
    press(2, 2);
    EXPECT_EQ(m._gt3_partner1, 0);
}

TEST_F(MovesTest, BombIsSetOffNeverSwapped) {
    build({"1B22", "3434"});
    press(2, 2);
    release();
    press(3, 2);
    EXPECT_EQ(m._gt3_partner1, 0);
    EXPECT_EQ(m._gt3_swap, 0);
    EXPECT_EQ(at(3, 2) == 0 || m._itemA[at(3, 2)] != vexaTSceneMatch3::_ITEM_BOMB, true);
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_BOMB), 0);
}

TEST_F(MovesTest, LoneBombIsSetOffByAPress) {
    build({"2B3"});
    press(3, 2);
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_BOMB), 0);
    EXPECT_EQ(player.anzItems, 3);
}

TEST_F(MovesTest, WaveRecoloursGemsOnlyAndEndsAfter40Frames) {
    build({"1S1D1", "BPB1B", "1S1D1"});
    auto isGem = [&](int type) { return type >= 1 && type <= 5; };
    auto before = m._itemA;
    m._swapping = 1;
    int frames = 0;
    while (m._swapping > 0) {
        m._gt1_gt2_gt3_swapping();
        frames += 1;
    }
    EXPECT_EQ(frames, 40);
    int changed = 0;
    for (int i = 1; i < M3_SLOTS; ++i) {
        if (!isGem(before[i])) {
            EXPECT_EQ(m._itemA[i], before[i]) << i;
        }
        changed += isGem(before[i]) && m._itemA[i] != before[i];
    }
    EXPECT_GT(changed, 0);
    EXPECT_GT(effectsOfKind(1301) + effectsOfKind(1305) + effectsOfKind(1309), 0);
}

}  // namespace
