// The load screen's timeline: bar, fill and glowing edge by pixels, the fade, the loading steps
// on their frames and the hand-over to the main menu with the music going on.
#include <gtest/gtest.h>

#include "match3/scene_match3.h"
#include "persist/config.h"
#include "scenes/loadscreen.h"
#include "scenes/mainmenu.h"
#include "ui/interface_fixture.h"
#include "ui/sound_handler.h"

namespace {

int brightness(const Rgba& pixel) { return pixel.r + pixel.g + pixel.b; }

class LoadscreenTest : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        sceneLoadscreen.Prepare();
    }

    void TearDown() override {
        sceneLoadscreen.Leave();
        InterfaceTest::TearDown();
    }

    // Runs the timeline up to frame `last`, clearing the screen before each frame as the shell does.
    static void runTo(int last) {
        while (sceneLoadscreen._runtime < last) {
            cls();
            sceneLoadscreen.Update();
        }
    }

    static Rgba pixelAt(int x, int y) { return grabBackBuffer().pixels[size_t(y) * 1024 + size_t(x)]; }
};

TEST_F(LoadscreenTest, StartsBelowTheScreenWithTheMenuMusic) {
    EXPECT_EQ(g_scene, SCENE_LOADSCREEN);
    EXPECT_FLOAT_EQ(sceneLoadscreen._loadbarY, 1068);
    EXPECT_EQ(soundHandler.akttitle, u"ambient.ogg");
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_IN);
}

TEST_F(LoadscreenTest, EdgeOfTheFillFollowsTheFrame) {
    EXPECT_FLOAT_EQ(loadbarEdge(150), 371);
    EXPECT_NEAR(loadbarEdge(200), 555, 0.01);
    EXPECT_GT(loadbarEdge(328), 1024);
}

TEST_F(LoadscreenTest, AtFrame200TheBarRestsAndFillsUpTo555WithAGlowingEdge) {
    runTo(200);
    const float rest = 768 - sceneLoadscreen._imgLoadbar.H / 2;
    EXPECT_NEAR(sceneLoadscreen._loadbarY, rest, 3);
    const int y = floatToInt(sceneLoadscreen._loadbarY);
    Rgba filled = pixelAt(540, y), empty = pixelAt(580, y);
    EXPECT_FALSE(headless::nearColour(filled, empty.r, empty.g, empty.b, 10)) << "fill and bar look alike";
    // The columns at 553 and 554 are the fill lit again at a quarter and a half; 555 is the bar
    // lit by the whole fill.
    EXPECT_GT(brightness(pixelAt(554, y)), brightness(pixelAt(553, y)));
    EXPECT_GT(brightness(pixelAt(553, y)), brightness(filled));
    EXPECT_GT(brightness(pixelAt(555, y)), brightness(empty));
    EXPECT_TRUE(headless::nearColour(pixelAt(556, y), empty.r, empty.g, empty.b));
}

TEST_F(LoadscreenTest, AtFrame420TheScreenIsHalfFadedAndTheBarGone) {
    runTo(300);
    Rgba full = pixelAt(512, 60);
    runTo(420);
    Rgba half = pixelAt(512, 60);
    EXPECT_NEAR(half.r, full.r / 2, 2);
    EXPECT_NEAR(half.g, full.g / 2, 2);
    EXPECT_NEAR(half.b, full.b / 2, 2);
    EXPECT_GT(sceneLoadscreen._loadbarY - sceneLoadscreen._imgLoadbar.H / 2, 768);
}

TEST_F(LoadscreenTest, EachLoadingStepRunsOnItsOwnFrame) {
    sceneMatch3._imgCell.Unload();
    sceneMatch3._imgGlowStar.Unload();
    runTo(224);
    EXPECT_EQ(sceneMatch3._imgCell.isLoaded, 0);
    runTo(225);
    EXPECT_EQ(sceneMatch3._imgCell.isLoaded, 1);
    runTo(259);
    EXPECT_EQ(sceneMatch3._imgGlowStar.isLoaded, 0);
    runTo(260);
    EXPECT_EQ(sceneMatch3._imgGlowStar.isLoaded, 1);
}

TEST_F(LoadscreenTest, HandsOverToTheMenuWithoutFadeAndWithoutRestartingTheMusic) {
    runTo(429);
    const Sound music = soundHandler.music;
    const int volume = config.musiklaut;
    sceneHandler.FaderColor = 200;  // where the fader stands: a fade-in would start it at 0
    EXPECT_EQ(g_scene, SCENE_LOADSCREEN);
    runTo(430);
    EXPECT_EQ(g_scene, SCENE_MAINMENU);
    EXPECT_EQ(g_previousScene, SCENE_LOADSCREEN);
    EXPECT_EQ(soundHandler.music, music);
    EXPECT_EQ(config.musiklaut, volume);
    EXPECT_EQ(sceneHandler.FaderColor, 200) << "no new fade-in";
    EXPECT_EQ(sceneLoadscreen._imgBackground.isLoaded, 0) << "the menu lets the load screen go";
    EXPECT_EQ(input._MausOK, 1);
}

TEST_F(LoadscreenTest, HeldFunctionKeysSwitchTheDebugModes) {
    runTo(10);
    EXPECT_EQ(g_textDebug, 0);
    input._F5 = 1;
    runTo(11);
    input._F5 = 0;
    input._F3 = 1;
    runTo(12);
    EXPECT_EQ(g_textDebug, 1);
    EXPECT_EQ(g_debug, 1);
}

}  // namespace
