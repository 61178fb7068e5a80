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

    // A level of 6 by 6 plain cells with one moss cell.
    void writeLevel(int level = 2) {
        std::string bytes;
        for (int row = 1; row <= 13; ++row)
            for (int column = 1; column <= 20; ++column) {
                int value = row >= 2 && row <= 7 && column >= 2 && column <= 7 ? 0 : -1;
                if (row == 3 && column == 3) value = 3;
                for (int b = 0; b < 4; ++b) bytes += char((uint32_t(value) >> (8 * b)) & 0xff);
            }
        dir.write(toUtf8(levelFileName(level)), bytes);
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

TEST_F(SceneTest, LevelsThatIntroduceAnElementOpenTheirHelpPageAtFrame35) {
    // Page shown by level; 0 where the level keeps the page it had and opens nothing.
    const int pages[] = {0, 1, 2, 3, 4, 5, 0, 6, 0, 7, 0};
    for (int level = 1; level <= 10; ++level) {
        writeLevel(level);
        player.Level = level;
        player.isHelp = 1;
        g_helpPage = 42;
        popupHandler.State = popupHandler.runtime = 0;
        m.Prepare();
        for (int f = 1; f <= 34; ++f) m.Update();
        EXPECT_EQ(popupHandler.State, 0) << "level " << level;
        m.Update();
        EXPECT_EQ(m._runtime, 36);
        EXPECT_EQ(g_helpPage, pages[level] == 0 ? 42 : pages[level]) << "level " << level;
        EXPECT_EQ(popupHandler.State, pages[level] == 0 ? 0 : POPUP_INSTRUCTIONS) << "level " << level;
        m.Update();
        EXPECT_EQ(m._runtime, pages[level] == 0 ? 37 : 36) << "the level's clock waits while the help is open";
    }
    writeLevel(2);
    player.Level = 2;
    player.isHelp = 0;
    popupHandler.State = popupHandler.runtime = 0;
    m.Prepare();
    for (int f = 1; f <= 36; ++f) m.Update();
    EXPECT_EQ(g_helpPage, 2);
    EXPECT_EQ(popupHandler.State, 0) << "help switched off";
}

}  // namespace
