// The shell's per-frame order: suspension and the pause screen, the close request, the
// debug keys, and the pointer drawn on top outside the intro and load screen.
#include <gtest/gtest.h>

#include "app/shell.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/config.h"
#include "persist/player.h"
#include "platform/headless_fixture.h"
#include "scenes/roadmap.h"
#include "scenes/story.h"
#include "ui/input.h"
#include "ui/messages.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

namespace {

class ShellFrame : public HeadlessDisplay {
protected:
    void SetUp() override {
        HeadlessDisplay::SetUp();
        resetShellGlobals();
        sceneHandler = vexaTSceneHandler();
        sceneMatch3._winrun = 0;
        popupHandler.State = popupHandler.runtime = 0;
        input = vexaTInput();
        input._MausOK = 1;
        flushKeys();
        flushMouse();
        for (int button = 1; button <= 3; ++button) mouseHit(button);
        while (peekEvent()) pollEvent();
        closeRequested();
        fpsTimer = createTimer(1);
    }

    // An empty level with a goal left, so that the level frame does not start a win by itself.
    static void levelWithAGoal() {
        g_scene = SCENE_MATCH3;
        currentPlayer().Level = 1;
        currentPlayer().itemsToDestroyData[1][1] = 5;
    }

    void frame() {
        cls();
        inputPoll();
        debugKeys();
        sceneFrame();
    }

    void click(int x, int y) {
        injectMouseMove(x, y);
        injectMouseButton(1, true);
        injectMouseButton(1, false);
    }
};

TEST_F(ShellFrame, LosingFocusPausesUntilAClickAfterTheResume) {
    g_scene = SCENE_ROADMAP;
    injectEvent(EVENT_SUSPEND);
    frame();
    EXPECT_EQ(g_suspended, 2);
    EXPECT_EQ(g_pause, 1);
    click(10, 10);
    frame();
    EXPECT_EQ(g_pause, 1) << "no pause screen while still suspended";
    injectEvent(EVENT_RESUME);
    frame();
    EXPECT_EQ(g_suspended, 0);
    EXPECT_EQ(g_pause, 1);
    click(10, 10);
    frame();
    EXPECT_EQ(g_pause, -1);
}

TEST_F(ShellFrame, SuspensionWhilePausedIsHandledOnceRunningAgain) {
    g_scene = SCENE_MAINMENU;
    g_pause = 1;
    injectEvent(EVENT_SUSPEND);
    frame();
    EXPECT_EQ(g_suspended, 1);
    g_pause = -1;
    frame();
    EXPECT_EQ(g_suspended, 2);
    EXPECT_EQ(g_pause, 1);
}

TEST_F(ShellFrame, NoPauseScreenInTheIntro) {
    g_scene = SCENE_INTRO;
    g_pause = 1;
    click(10, 10);
    frame();
    EXPECT_EQ(g_pause, 1);
}

TEST_F(ShellFrame, CloseRequestOpensTheQuitQuestion) {
    injectEvent(EVENT_CLOSE);
    frame();
    EXPECT_EQ(g_quit, 0);
    EXPECT_EQ(popupHandler.State, POPUP_QUIT);
    EXPECT_GT(popupHandler.runtime, 0) << "the scene's dispatcher has begun opening it";
}

TEST_F(ShellFrame, DebugKeysOnlyInALevelWithDebugOn) {
    resetPlayers();
    levelWithAGoal();
    injectKey(KEY_F1 + 2, true);
    frame();
    EXPECT_EQ(sceneMatch3._winrun, 0);
    g_debug = 1;
    frame();
    EXPECT_EQ(sceneMatch3._winrun, 2);  // won by F3, then counted on by the win sequence
    injectKey(KEY_F1 + 2, false);
}

TEST_F(ShellFrame, F2AddsPointsEveryFrameAndRResetsThemInALevel) {
    resetPlayers();
    messageHandler._listMessages.clear();
    levelWithAGoal();
    g_debug = 1;
    injectKey(KEY_F1 + 1, true);
    frame();
    frame();
    injectKey(KEY_F1 + 1, false);
    EXPECT_EQ(currentPlayer().StoryPoints, 4000);
    EXPECT_EQ(messageHandler._listMessages.size(), 2u);
    puRemoveSameItem.isUnlocked = 1;
    injectKey(KEY_R, true);
    injectKey(KEY_R, false);
    frame();
    EXPECT_EQ(currentPlayer().StoryPoints, 0);
    EXPECT_EQ(puRemoveSameItem.isUnlocked, 0);
    messageHandler._listMessages.clear();
}

// Outside debug mode R is an ordinary key: one stray press must not wipe points and unlocks.
TEST_F(ShellFrame, ResetKeyIsADebugKey) {
    resetPlayers();
    levelWithAGoal();
    currentPlayer().StoryPoints = 250000;
    puRemoveSameItem.isUnlocked = 1;
    injectKey(KEY_R, true);
    injectKey(KEY_R, false);
    frame();
    EXPECT_EQ(currentPlayer().StoryPoints, 250000);
    EXPECT_EQ(puRemoveSameItem.isUnlocked, 1);
    puRemoveSameItem.isUnlocked = 0;
}

// The sound handler's frame work (among it clearing the marks of effects started this frame)
// begins with frame 31.
TEST_F(ShellFrame, SoundWorkBeginsWithFrame31) {
    g_scene = SCENE_ROADMAP;
    for (int i = 1; i <= 30; ++i) {
        soundHandler.soundplaying[SOUND_MATCH] = 1;
        frame();
        ASSERT_EQ(soundHandler.soundplaying[SOUND_MATCH], 1) << "frame " << i;
    }
    frame();
    EXPECT_EQ(g_frame, 31);
    EXPECT_EQ(soundHandler.soundplaying[SOUND_MATCH], 0);
}

TEST_F(ShellFrame, PointerIsDrawnOnTopExceptInIntroAndLoadScreen) {
    mousePointer.loadPictures();
    ASSERT_EQ(mousePointer._imgPointer.isLoaded, 1) << "run from the build folder with its data";
    sceneHandler.FaderColor = 256;
    sceneHandler.FaderDir = FADER_DIR_IN;
    injectMouseMove(300, 200);
    g_scene = SCENE_LOADSCREEN;
    frame();
    Pixmap hidden = grabBackBuffer();
    g_scene = SCENE_ROADMAP;
    frame();
    Pixmap shown = grabBackBuffer();
    int drawn = 0;
    for (int y = 200; y < 232; ++y) {
        for (int x = 300; x < 332; ++x) {
            EXPECT_EQ(hidden.at(x, y).r + hidden.at(x, y).g + hidden.at(x, y).b, 0);
            if (shown.at(x, y).r + shown.at(x, y).g + shown.at(x, y).b > 0) ++drawn;
        }
    }
    EXPECT_GT(drawn, 30);
    EXPECT_EQ(shown.at(299, 199).r, 0) << "the pointer's top-left corner is the pointer position";
}

TEST(DebugOverlay, FourLines) {
    g_fps = 39;
    std::vector<String> lines = debugOverlayLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind(u"Memory: ", 0), 0u);
    EXPECT_EQ(lines[1], u"39 g_fps");
}

}  // namespace

namespace {

// Headless there is no window to switch: the setting flips and the pause screen is due, but the
// back buffer, with what the frame has drawn so far, stays as it is.
TEST_F(ShellFrame, FullScreenToggleHeadlessFlipsTheSettingAndKeepsTheBuffer) {
    config.fullscreen = 1;
    Image marker = headless::solidImage(8, 8, {250, 40, 40, 255});
    drawImage(marker, 100, 100, 0);
    toggleFullScreen();
    EXPECT_EQ(config.fullscreen, 0);
    EXPECT_EQ(g_pause, 1);
    EXPECT_EQ(displayWidth(), 1024);
    EXPECT_TRUE(headless::nearColour(grabBackBuffer().at(103, 103), 250, 40, 40));
    toggleFullScreen();
    EXPECT_EQ(config.fullscreen, 1);
    EXPECT_TRUE(headless::nearColour(grabBackBuffer().at(103, 103), 250, 40, 40));
}

}  // namespace
