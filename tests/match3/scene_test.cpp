// The scene frame hosting the rules: a level started through Prepare, the fresh board
// recoloured at frame 5, and the board and profiles in the state snapshot.
#include "app/harness.h"
#include "match3/board_fixture.h"
#include "test_support.h"
#include "ui/scene_handler.h"

namespace {

class SceneTest : public BoardTest {
protected:
    ScopedWorkDir dir;

    // A level of 6 by 6 plain cells with one moss cell, as level 2.
    void writeLevel() {
        std::string bytes;
        for (int row = 1; row <= 13; ++row)
            for (int column = 1; column <= 20; ++column) {
                int value = row >= 2 && row <= 7 && column >= 2 && column <= 7 ? 0 : -1;
                if (row == 3 && column == 3) value = 3;
                for (int b = 0; b < 4; ++b) bytes += char((uint32_t(value) >> (8 * b)) & 0xff);
            }
        dir.write("data/levels/lvla002.lvl", bytes);
    }
};

TEST_F(SceneTest, FreshBoardHasNoRowsAfterFrameFive) {
    writeLevel();
    player.gtGameType = vexaTSceneMatch3::_GAMETYPE_SWAP;
    g_scene = SCENE_MAINMENU;
    m.Prepare();
    EXPECT_EQ(g_scene, SCENE_MATCH3);
    EXPECT_EQ(g_previousScene, SCENE_MAINMENU);
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_IN);
    for (int i = 1; i < M3_SLOTS; ++i)
        if (m.isGem(i)) m._itemA[i] = 2;
    for (int f = 1; f <= 5; ++f) m.Update();
    EXPECT_EQ(m._runtime, 5);
    EXPECT_EQ(m._mosscount, 1);
    EXPECT_EQ(m._fummcount, 0);
    EXPECT_EQ(m._gt3_checkmove(0), 0);
}

TEST_F(SceneTest, SnapshotHoldsTheBoardAndTheProfiles) {
    writeLevel();
    m.Prepare();
    m.Update();
    nlohmann::json state = dumpGameState();
    EXPECT_EQ(state["players"].size(), 9u);
    EXPECT_EQ(state["players"][1]["Level"], 2);
    EXPECT_EQ(state["players"][1]["resumeItemA"].size(), 261u);
    nlohmann::json board = state["sceneMatch3"];
    EXPECT_EQ(board["_runtime"], 1);
    EXPECT_EQ(board["cells"].size(), 36u);
    EXPECT_EQ(board["items"].size(), 36u + 6u);  // a gem per cell and a brake per column
    EXPECT_EQ(board["cells"][7]["_cellMoss"], 1);
    EXPECT_EQ(board["items"][0]["slot"], 1);
}

}  // namespace
