// Falling, removal and scoring, bombs, blocks and moss on small hand-made boards.
#include "match3/board_fixture.h"

namespace {

class MatchesTest : public BoardTest {
protected:
    // Runs the match search and the removal once, as one frame does.
    void matchAndRemove() {
        m._gt3_checkmove(0);
        m._remove_items();
    }
    // Hands a lone bomb to the removal, as a click on it does.
    void clickBomb(int slot) {
        m._fummcount = 3;
        m._fummpipe[3] = slot;
        m._abwahl = 1;
        m._remove_items();
    }
};

TEST_F(MatchesTest, NothingFallsDuringTheFirst50Frames) {
    build({"_", "_"});
    int gem = m._item_prepare(X(2), -20, 1, 0);
    m._runtime = 50;
    m._item_slide();
    EXPECT_EQ(m._itemY[gem], -20);
    EXPECT_EQ(m._Item_f[gem], 0);
}

TEST_F(MatchesTest, ItemsFall12PixelsPerFrameAndStop48AboveTheBlocker) {
    build({"_", "1"});
    int gem = m._item_prepare(X(2), -20, 3, 0);
    m._runtime = 51;
    m._item_slide();
    EXPECT_EQ(m._itemY[gem], -8);
    EXPECT_EQ(m._Item_f[gem], 1);
    for (int frame = 2; frame <= 8; ++frame) m._item_slide();
    EXPECT_EQ(m._itemY[gem], Y(2));  // 96 pixels in 8 frames, 48 above the gem below
    EXPECT_EQ(m._itemCell[gem], 0);  // still counted as falling
    m._item_slide();
    EXPECT_EQ(m._itemY[gem], Y(2));
    EXPECT_EQ(m._Item_f[gem], 0);
    EXPECT_EQ(m._Item_FallDynamic[gem], 6);
    EXPECT_EQ(m._itemCell[gem], m.cellAt(X(2), Y(2)));
    EXPECT_EQ(m._inruhe, 1);
}

TEST_F(MatchesTest, RowScoresByTheSizeOfTheRemovalList) {
    struct Case {
        std::string row;
        int points;
    };
    // Six takes the multiplier of four and five.
    for (const Case& c : {Case{"111", 15}, Case{"1111", 40}, Case{"11111", 50}, Case{"111111", 60},
                          Case{"1111111", 105}, Case{"11111111", 200}}) {
        SetUp();
        build({c.row});
        matchAndRemove();
        EXPECT_EQ(player.LevelPoints, c.points) << c.row;
        EXPECT_EQ(player.StoryPoints, c.points) << c.row;
        EXPECT_EQ(player.anzItems, int(c.row.size())) << c.row;
        EXPECT_EQ(player.skipfill, 1);
        EXPECT_EQ(at(2, 2), 0);
        EXPECT_EQ(countType(1) + countType(2) + countType(3) + countType(4) + countType(5), int(c.row.size()))
            << "one replacement per removed gem";
        EXPECT_EQ(m._fummcount, 0);
        EXPECT_EQ(m._abwahl, 0);
    }
}

TEST_F(MatchesTest, CrossingRowsAreRemovedTogether) {
    build({".1.", "111", ".1."});
    EXPECT_EQ(m._gt3_checkmove(0), -1);
    EXPECT_EQ(m._fummcount, 5);
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(m._itemBef[m._fummpipe[j]], 1);
}

TEST_F(MatchesTest, ReplacementsAppearAboveTheirColumn) {
    build({"222"});
    matchAndRemove();
    for (int column = 2; column <= 4; ++column) {
        int found = 0;
        for (int i = 1; i < M3_SLOTS; ++i) found += m.isGem(i) && m._itemX[i] == X(column) && m._itemY[i] == -20;
        EXPECT_EQ(found, 1);
    }
    EXPECT_EQ(effectsOfKind(95802), 3);  // no goal for colour 2: the gems rise and fade
    EXPECT_EQ(effectsOfKind(95702), 0);
}

TEST_F(MatchesTest, GoalGemsFlyToTheGoalBar) {
    player.itemsToDestroyData[2][3] = 10;
    build({"333"});
    matchAndRemove();
    EXPECT_EQ(effectsOfKind(95703), 3);
}

TEST_F(MatchesTest, LongRowStartingWithColourFourLeavesOneBomb) {
    build({"44444"});
    matchAndRemove();
    EXPECT_EQ(typeAt(2, 2), vexaTSceneMatch3::_ITEM_BOMB);
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_BOMB), 1);
    EXPECT_EQ(player.LevelPoints, 4 * 10);
    EXPECT_EQ(effectsOfKind(309), 1);
}

TEST_F(MatchesTest, ShortRowOfColourFourMakesNoBomb) {
    build({"4444"});
    matchAndRemove();
    EXPECT_EQ(countType(vexaTSceneMatch3::_ITEM_BOMB), 0);
}

TEST_F(MatchesTest, ListOfTwoRemovesNothingButIsCleared) {
    build({"12"});
    m._fummcount = 2;
    m._fummpipe[1] = at(2, 2);
    m._fummpipe[2] = at(3, 2);
    m._itemBef[at(2, 2)] = 1;
    m._abwahl = 1;
    m._remove_items();
    EXPECT_EQ(typeAt(2, 2), 1);
    EXPECT_EQ(typeAt(3, 2), 2);
    EXPECT_EQ(m._itemBef[at(2, 2)], 0);
    EXPECT_EQ(m._fummcount, 0);
    EXPECT_EQ(m._fummpipe[1], 0);
    EXPECT_EQ(player.skipfill, 0);
}

TEST_F(MatchesTest, FallingGemNeverCompletesARow) {
    build({"11_"});
    int gem = m._item_prepare(X(4), Y(2), 1, 0);
    m._Item_f[gem] = 1;
    EXPECT_EQ(m._gt3_checkmove(0), 0);
    m._Item_f[gem] = 0;
    EXPECT_EQ(m._gt3_checkmove(0), -1);
}

TEST_F(MatchesTest, ThreeBombsOrMushroomsMatch) {
    build({"BBB", "PPP"});
    EXPECT_EQ(m._gt3_checkmove(0), -1);
    EXPECT_EQ(m._fummcount, 6);
}

TEST_F(MatchesTest, BlocksNeverMatch) {
    build({"SSS", "DDD"});
    EXPECT_EQ(m._gt3_checkmove(0), 0);
}

TEST_F(MatchesTest, BombBlastsItsSurroundingsAndScoresEach) {
    build({"12345", "21B34", "12345", "34512", "51234"});
    clickBomb(at(4, 3));
    EXPECT_EQ(effectsOfKind(2000), 1);
    EXPECT_EQ(m._geholfen, 0);
    // Within 110 px: two steps straight, one diagonal, the knight's moves; not the corners.
    EXPECT_EQ(at(4, 5), 0);
    EXPECT_EQ(at(5, 4), 0);
    EXPECT_EQ(at(6, 3), 0);
    EXPECT_EQ(at(2, 2), 0);  // a knight's move away
    EXPECT_NE(at(2, 5), 0);
    EXPECT_NE(at(6, 5), 0);
    EXPECT_NE(at(4, 6), 0);  // three steps away, only shakes
    EXPECT_GT(m._Item_Rumble[at(4, 6)], 0);
    EXPECT_EQ(player.anzItems, 18);  // 17 blasted and the bomb itself
    EXPECT_EQ(player.LevelPoints, 18 * 5);
}

TEST_F(MatchesTest, BombChainExplodesEachBombOnce) {
    build({"B1B11B"});
    clickBomb(at(2, 2));
    EXPECT_EQ(effectsOfKind(2000), 2);  // the third bomb is 144 px from the second
    EXPECT_EQ(typeAt(7, 2), vexaTSceneMatch3::_ITEM_BOMB);
    EXPECT_EQ(m._Item_bombspreng[at(7, 2)], 0);
}

TEST_F(MatchesTest, BombBreaksAStoneWhichRefillsItsColumn) {
    build({"1S1", "2B2"});
    int stone = at(3, 2);
    m._Item_New[stone] = 2;
    clickBomb(at(3, 3));
    EXPECT_EQ(at(3, 2), 0);
    EXPECT_EQ(m._cellStone[m.cellAt(X(3), Y(2))], 0);
    int above = 0;
    for (int i = 1; i < M3_SLOTS; ++i) above += m.isGem(i) && m._itemX[i] == X(3) && m._itemY[i] == -20;
    EXPECT_EQ(above, 3);  // the stone's two and the bomb's replacement
    EXPECT_NE(m._stonesoundx, -1);
    EXPECT_EQ(player.LevelPoints, 25 + 4 * 5 + 5);
}

TEST_F(MatchesTest, MatchBesideADoorTurnsItIntoABombOrMushroom) {
    int bombs = 0, mushrooms = 0;
    for (int seed = 1; seed <= 20; ++seed) {
        SetUp();
        seedRandom(seed);
        build({"111", "2D2"});
        int door = at(3, 3);
        m._Item_New[door] = 1;
        matchAndRemove();
        EXPECT_EQ(m._doorcheck, 1);
        EXPECT_EQ(m._cellDoor[m.cellAt(X(3), Y(3))], 0);
        bombs += m._itemA[door] == vexaTSceneMatch3::_ITEM_BOMB;
        mushrooms += m._itemA[door] == vexaTSceneMatch3::_ITEM_SPRENGPILZ;
    }
    EXPECT_EQ(bombs + mushrooms, 20);
    EXPECT_GT(bombs, 0);
    EXPECT_GT(mushrooms, 0);
}

TEST_F(MatchesTest, DoorAlwaysBecomesABombBeyondTheLastLevel) {
    for (int seed = 1; seed <= 10; ++seed) {
        SetUp();
        seedRandom(seed);
        player.Level = 82;
        build({"111", "2D2"});
        int door = at(3, 3);
        matchAndRemove();
        EXPECT_EQ(m._itemA[door], vexaTSceneMatch3::_ITEM_BOMB);
    }
}

TEST_F(MatchesTest, MossDiesUnderRemovedAndBlastedItems) {
    build({"111", "2B3", "454"});
    m._cellMoss[m.cellAt(X(2), Y(2))] = 1;
    m._cellMoss[m.cellAt(X(4), Y(4))] = 1;
    matchAndRemove();
    EXPECT_EQ(player.anzMoss, 1);
    EXPECT_EQ(m._mosssoundx, X(2));
    link();
    clickBomb(at(3, 3));
    EXPECT_EQ(player.anzMoss, 2);
    EXPECT_EQ(m._cellMoss[m.cellAt(X(4), Y(4))], 0);
}

TEST_F(MatchesTest, PointsNeverDriveLevelPointsBelowZero) {
    player.LevelPoints = 10;
    player.StoryPoints = 10;
    m._incpoints(-1, 0, -30);
    EXPECT_EQ(player.LevelPoints, 0);
    EXPECT_EQ(player.StoryPoints, -20);
}

TEST_F(MatchesTest, LevelIsWonWithGoalsMetAndNoMossLeft) {
    player.itemsToDestroyData[2][1] = 3;
    player.itemsDestroyed[1] = 3;
    m._mosscount = 1;
    m._checkWinCondition();
    EXPECT_EQ(m._winrun, 0);
    m._mosscount = 0;
    m._checkWinCondition();
    EXPECT_EQ(m._winrun, 1);
}

}  // namespace
