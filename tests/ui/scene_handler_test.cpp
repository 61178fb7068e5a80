// The fader's timings and the scene switch it drives.
#include <gtest/gtest.h>

#include "game/globals.h"
#include "platform/platform.h"
#include "scenes/intro.h"
#include "scenes/roadmap.h"
#include "scenes/story.h"
#include "ui/input.h"
#include "ui/scene_handler.h"

namespace {

class SceneHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetShellGlobals();
        sceneHandler = vexaTSceneHandler();
        flushKeys();
    }

    // Runs fading() until the handler prepares a new scene; returns the frames it took.
    int framesUntilScene(int scene, int limit = 100) {
        for (int frame = 1; frame <= limit; ++frame) {
            sceneHandler.fading();
            if (g_scene == scene) return frame;
        }
        return -1;
    }
};

TEST_F(SceneHandlerTest, FadeOutTakesNineFramesAndFadeInEight) {
    g_scene = SCENE_MAINMENU;
    sceneHandler.fade_out(SCENE_ROADMAP, 0, 0);
    EXPECT_EQ(sceneHandler.FaderColor, 256);
    EXPECT_EQ(framesUntilScene(SCENE_ROADMAP), 9);
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_IN);
    EXPECT_EQ(sceneHandler.FaderColor, 0);
    int frames = 0;
    while (sceneHandler.FaderColor < 256) {
        sceneHandler.fading();
        ++frames;
    }
    EXPECT_EQ(frames, 8);
    sceneHandler.fading();
    EXPECT_EQ(sceneHandler.FaderColor, 256) << "a finished fade-in stays at 256";
}

TEST_F(SceneHandlerTest, DrawingColourFollowsTheFaderClamped) {
    sceneHandler.FaderColor = 250;
    sceneHandler.FaderDir = FADER_DIR_IN;
    sceneHandler.fading();
    int r = 0, g = 0, b = 0;
    getColor(r, g, b);
    EXPECT_EQ(r, 282) << "the colour is stored as given; drawing clamps it";
    EXPECT_EQ(sceneHandler.FaderColor, 282);
}

TEST_F(SceneHandlerTest, StartUpBrightensFromNineToTwoHundredSixtyFive) {
    sceneHandler.FaderColor = 9;
    for (int frame = 0; frame < 8; ++frame) sceneHandler.fading();
    EXPECT_EQ(sceneHandler.FaderColor, 265);
    sceneHandler.fading();
    EXPECT_EQ(sceneHandler.FaderColor, 265);
}

TEST_F(SceneHandlerTest, QuitTargetEndsTheRunAfterNineFrames) {
    sceneHandler.fade_out(SCENE_QUIT, 0, 0);
    for (int frame = 1; frame <= 8; ++frame) {
        sceneHandler.fading();
        EXPECT_EQ(g_quit, 0) << frame;
    }
    sceneHandler.fading();
    EXPECT_EQ(g_quit, 1);
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_OUT);
}

TEST_F(SceneHandlerTest, SecondFadeOutRestartsWithTheNewTarget) {
    sceneHandler.fade_out(SCENE_ROADMAP, 0, 0);
    for (int frame = 0; frame < 5; ++frame) sceneHandler.fading();
    sceneHandler.fade_out(SCENE_STORY, 0, 0);
    EXPECT_EQ(sceneHandler.FaderColor, 256);
    EXPECT_EQ(framesUntilScene(SCENE_STORY), 9);
    EXPECT_NE(g_scene, SCENE_ROADMAP);
}

TEST_F(SceneHandlerTest, UnknownTargetIsRetriedEveryFrame) {
    sceneHandler.fade_out(77, 0, 0);
    for (int frame = 0; frame < 20; ++frame) sceneHandler.fading();
    EXPECT_EQ(sceneHandler.FaderColor, -32);
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_OUT);
}

TEST_F(SceneHandlerTest, FadeOutDropsThisFramesClickAndPendingKeys) {
    input._MausFireLeft = 1;
    injectKey(KEY_ESCAPE, true);
    injectKey(KEY_ESCAPE, false);
    sceneHandler.fade_out(SCENE_MAINMENU, 0, 0);
    EXPECT_EQ(input._MausFireLeft, 0);
    EXPECT_EQ(keyHit(KEY_ESCAPE), 0);
}

TEST_F(SceneHandlerTest, IntroTargetHandsItsPageOver) {
    sceneHandler.fade_out(SCENE_INTRO, 2, 0);
    EXPECT_EQ(framesUntilScene(SCENE_INTRO), 9);
    EXPECT_EQ(sceneIntro._page, 2);
}

TEST(SceneRuntime, CountsAndResets) {
    vexaTSceneStory scene;
    EXPECT_EQ(scene.getRuntime(), 0);
    scene._incRuntime(1);
    scene._incRuntime(3);
    EXPECT_EQ(scene.getRuntime(), 4);
    EXPECT_EQ(scene.resetRuntime(), 1);
    EXPECT_EQ(scene.getRuntime(), 0);
}

TEST(TmpInteger, ComparesByDescendingX) {
    _TtmpInteger a, b;
    a.tx = 10;
    b.tx = 20;
    EXPECT_EQ(a.Compare(&b), 1);
    EXPECT_EQ(b.Compare(&a), -1);
    b.tx = 10;
    EXPECT_EQ(a.Compare(&b), 0);
    EXPECT_EQ(a.Compare(nullptr), 0);
}

}  // namespace
