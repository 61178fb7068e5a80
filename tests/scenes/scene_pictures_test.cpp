// Scenes let their pictures go when they are left and load them again when they are entered:
// the main menu, the roadmap (which also lets the story page it follows go) and the match-3
// scene, each drawing the same screen when entered again.
#include <gtest/gtest.h>

#include "match3/scene_match3.h"
#include "persist/player.h"
#include "scenes/mainmenu.h"
#include "scenes/roadmap.h"
#include "scenes/story.h"
#include "ui/interface_fixture.h"

namespace {

// The rows top .. bottom - 1 of two screens are equal.
bool sameRows(const Pixmap& a, const Pixmap& b, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < a.width; ++x)
            if (!(a.at(x, y) == b.at(x, y))) return false;
    return true;
}

class ScenePictures : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        resetPlayers();
        g_currentPlayer = 1;
        currentPlayer().Level = currentPlayer().StoryLevel = 10;  // a chapter's last level
    }

    void TearDown() override {
        sceneMainmenu.Leave();
        sceneRoadmap.Leave();
        sceneStory.Leave();
        sceneMatch3.Leave();
        resetPlayers();
        InterfaceTest::TearDown();
    }

    // The screen after entering `scene` from `previous` and drawing its first frame.
    static Pixmap enterAndDraw(vexaTScene& scene, int previous) {
        g_scene = previous;
        seedRandom(5);
        scene.Prepare();
        sceneHandler.FaderColor = 256;
        cls();
        setColor(255, 255, 255);
        scene.Update();
        return grabBackBuffer();
    }
};

}  // namespace

TEST_F(ScenePictures, TheMainMenuLetsItsBackgroundAndBarsGo) {
    // The holo buttons at the bottom run their own animation, so only the rows above them count.
    Pixmap first = enterAndDraw(sceneMainmenu, SCENE_STORY);
    sceneMainmenu.Leave();
    EXPECT_EQ(sceneMainmenu._imgBackground.isLoaded, 0);
    EXPECT_EQ(sceneMainmenu._imgTopBar.isLoaded, 0);
    EXPECT_EQ(sceneMainmenu._imgBottomBar.isLoaded, 0);
    EXPECT_TRUE(sameRows(enterAndDraw(sceneMainmenu, SCENE_STORY), first, 0, 600));
}

TEST_F(ScenePictures, TheRoadmapLetsTheStoryPageAndItsOwnPicturesGo) {
    sceneStory.setPage(3);
    g_scene = SCENE_MAINMENU;
    sceneStory.Prepare();
    ASSERT_EQ(sceneStory.imgBackground.isLoaded, 1);
    Pixmap first = enterAndDraw(sceneRoadmap, SCENE_STORY);
    EXPECT_EQ(sceneStory.imgBackground.isLoaded, 0);

    sceneRoadmap.Leave();
    EXPECT_EQ(sceneRoadmap._imgBackground.isLoaded, 0);
    EXPECT_EQ(sceneRoadmap._imgBottomBar.isLoaded, 0);
    EXPECT_TRUE(sameRows(enterAndDraw(sceneRoadmap, SCENE_MATCH3), first, 0, 600));
}

TEST_F(ScenePictures, TheLevelLetsItsBackgroundLevelAndVictoryPicturesGo) {
    sceneMatch3.preloadImages();  // the pictures the load screen loads for the whole run
    Pixmap first = enterAndDraw(sceneMatch3, SCENE_ROADMAP);
    ASSERT_EQ(sceneMatch3._imgVictory.isLoaded, 1);
    ASSERT_EQ(sceneMatch3._imgLevel.isLoaded, 1);
    sceneMatch3.Leave();
    EXPECT_EQ(sceneMatch3._imgBackground.isLoaded, 0);
    EXPECT_EQ(sceneMatch3._imgLevel.isLoaded, 0);
    EXPECT_EQ(sceneMatch3._imgVictory.isLoaded, 0);
    EXPECT_TRUE(sameRows(enterAndDraw(sceneMatch3, SCENE_ROADMAP), first, 0, 768));
}
