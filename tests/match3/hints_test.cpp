// The hint search with the shapes it finds and misses, the hint marks and the bomb help.
#include "match3/board_fixture.h"

namespace {

class HintsTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        m._inruhe = 1;
        m._runtime = 151;
    }
    // Runs the hint step on frames until `frames` have passed; returns the frame of the first
    // hint mark on `slot`, or 0.
    int firstHintFrame(int slot, int frames) {
        for (int f = 1; f <= frames; ++f, ++m._runtime) {
            m._gt3_tipp();
            if (m._Item_Tipp[slot] == 1) return f;
        }
        return 0;
    }
};

TEST_F(HintsTest, FindsARowBelowTheFilledPlace) {
    build({"12", ".1", ".1"});
    m._gt3_tipp();
    EXPECT_EQ(m._zugpointer, at(2, 2));   // the gem that moves
    EXPECT_EQ(m._zugpointer2, at(3, 2));  // the place it fills
}

TEST_F(HintsTest, FindsARowThroughTheFilledPlace) {
    build({"1.", "21", "1."});
    m._gt3_tipp();
    EXPECT_EQ(m._zugpointer, at(3, 3));
    EXPECT_EQ(m._zugpointer2, at(2, 3));
}

TEST_F(HintsTest, MissesRowsWhollyAboveOrLeft) {
    build({".1", ".1", "12"});
    m._gt3_tipp();
    EXPECT_EQ(m._zugpointer, 0);
    SetUp();
    build({"112", "..1"});
    m._gt3_tipp();
    EXPECT_EQ(m._zugpointer, 0);
}

TEST_F(HintsTest, NeverSuggestsBlocksOrBombs) {
    build({"1B", ".1", ".1", "S."});
    m._gt3_tipp();
    EXPECT_EQ(m._zugpointer, 0);
}

TEST_F(HintsTest, SearchRunsOnlyOnQuietFrames) {
    build({"12", ".1", ".1"});
    m._runtime = 152;
    m._gt3_tipp();
    EXPECT_EQ(m._zugpointer, 0);
    m._runtime = 151;
    m._winrun = 1;
    m._gt3_tipp();
    EXPECT_EQ(m._zugpointer, 0);
    EXPECT_EQ(m._nixdo, 2);
}

TEST_F(HintsTest, HintShowsAfterMoreThan400IdleFrames) {
    build({"12", ".1", ".1"});
    int k = at(2, 2), j = at(3, 2);
    EXPECT_EQ(firstHintFrame(k, 700), 451);  // runtime 601, the first quiet frame past 400
    EXPECT_EQ(m._Item_Tipp[j], 1);
    EXPECT_EQ(m._cellri[m._itemCell[k]], 1);  // k lies left of j: the arrow on its right edge
    EXPECT_EQ(m._nixdo, 0);
}

TEST_F(HintsTest, PressingKeepsTheHintAway) {
    build({"12", ".1", ".1"});
    for (int f = 1; f <= 1000; ++f, ++m._runtime) {
        if (f % 300 == 0) m._nixdo = 0;  // what a press on a gem does
        m._gt3_tipp();
        ASSERT_EQ(m._Item_Tipp[at(2, 2)], 0) << f;
    }
}

TEST_F(HintsTest, BoardWithoutSwapsGetsABombAfter100IdleFrames) {
    build({"12", "34"});
    int bombFrame = 0;
    for (int f = 1; f <= 400 && !bombFrame; ++f, ++m._runtime) {
        m._gt3_tipp();
        if (countType(vexaTSceneMatch3::_ITEM_BOMB) == 1) bombFrame = f;
    }
    EXPECT_EQ(bombFrame, 151);  // runtime 301: quiet, and 151 idle frames
    EXPECT_EQ(m._geholfen, 1);
    EXPECT_EQ(effectsOfKind(309), 1);
    for (int f = 1; f <= 400; ++f, ++m._runtime) m._gt3_tipp();
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_BOMB), 1);  // one at a time
}

TEST_F(HintsTest, BoardWithoutGemsGetsNoBomb) {
    build({"SS", "DD"});
    for (int f = 1; f <= 400; ++f, ++m._runtime) m._gt3_tipp();
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_BOMB), 0);
    EXPECT_EQ(m._geholfen, 0);
}

}  // namespace
