// The roadmap: points up to the furthest level, the help of a new campaign, the tooltip and
// click resting under a dialog, a fade-out or the pause, the start and menu buttons, and the
// level preview's "play" with and without a suspended game.
#include <gtest/gtest.h>

#include "match3/scene_match3.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "scenes/roadmap.h"
#include "ui/holo_button.h"
#include "ui/interface_fixture.h"

namespace {

class RoadmapTest : public InterfaceTest {
protected:
    static void SetUpTestSuite() {
        InterfaceTest::SetUpTestSuite();
        sceneMatch3.preloadImages();
    }

    void SetUp() override {
        InterfaceTest::SetUp();
        resetPlayers();
        g_currentPlayer = 1;
        player().StoryLevel = player().Level = 1;
        player().isHelp = 1;
        g_scene = SCENE_STORY;
        sceneRoadmap.setRoadmapCoords();
        sceneRoadmap.Prepare();
        sceneHandler.FaderColor = 256;
        for (int& time : bestTimes) time = -1;
    }
    void TearDown() override {
        sceneRoadmap.Leave();
        resetPlayers();
        InterfaceTest::TearDown();
    }

    static TSpieler& player() { return currentPlayer(); }
    static void frame() {
        sceneRoadmap.Update();
        input._MausFireLeft = 0;
    }
    static void clickPoint(int level) {
        clickAt(sceneRoadmap._LevelPointX[size_t(level)], sceneRoadmap._LevelPointY[size_t(level)]);
    }
    // Opens the preview of `level` by a click on its point and waits until it is fully open.
    static void openPreview(int level) {
        clickPoint(level);
        frame();
        while (popupHandler.runtime > 0 && popupHandler.runtime < POPUP_OPEN) frame();
    }
    static int pixelsDifferingAround(const Pixmap& a, const Pixmap& b, float x, float y) {
        int n = 0;
        for (int dy = -12; dy <= 12; ++dy)
            for (int dx = -12; dx <= 12; ++dx) {
                const Rgba& p = a.at(int(x) + dx, int(y) + dy);
                const Rgba& q = b.at(int(x) + dx, int(y) + dy);
                n += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 30;
            }
        return n;
    }
};

TEST_F(RoadmapTest, PointsComeFromTheTableInLevelOrder) {
    EXPECT_FLOAT_EQ(sceneRoadmap._LevelPointX[1], 903);
    EXPECT_FLOAT_EQ(sceneRoadmap._LevelPointY[1], 583);
    EXPECT_FLOAT_EQ(sceneRoadmap._LevelPointX[37], 162);
    EXPECT_FLOAT_EQ(sceneRoadmap._LevelPointY[80], 516);
}

TEST_F(RoadmapTest, ANewCampaignOpensTheHelpOnFrame20OfEveryVisit) {
    for (int visit = 0; visit < 2; ++visit) {
        sceneRoadmap.Prepare();
        for (int f = 1; f < 20; ++f) frame();
        EXPECT_EQ(popupHandler.State, 0);
        frame();
        EXPECT_EQ(popupHandler.State, POPUP_ROADMAPHELP) << "visit " << visit;
        popupHandler.runtime = popupHandler.State = 0;
    }
    player().StoryLevel = 2;
    sceneRoadmap.Prepare();
    for (int f = 1; f <= 25; ++f) frame();
    EXPECT_EQ(popupHandler.State, 0) << "no help once level 2 is reached";
}

// Points above the furthest level are not drawn and cannot be clicked while the campaign runs.
TEST_F(RoadmapTest, OnlyReachedPointsAreDrawnAndClickable) {
    player().isHelp = 0;
    player().StoryLevel = 5;
    frame();
    Pixmap atFive = grabBackBuffer();
    player().StoryLevel = 7;
    frame();
    Pixmap atSeven = grabBackBuffer();
    EXPECT_GT(pixelsDifferingAround(atFive, atSeven, sceneRoadmap._LevelPointX[6], sceneRoadmap._LevelPointY[6]), 20)
        << "point 6 appears once level 7 is reached";
    player().StoryLevel = 5;
    clickPoint(6);
    frame();
    EXPECT_EQ(popupHandler.State, 0);
    clickPoint(4);
    frame();
    EXPECT_EQ(popupHandler.State, POPUP_STAGE);
    EXPECT_EQ(player().levelSelected, 4);
}

TEST_F(RoadmapTest, AFinishedCampaignShowsAllPointsClickable) {
    player().isHelp = 0;
    player().StoryLevel = 80;
    player().isStoryFinished = 1;
    frame();
    clickPoint(37);
    frame();
    EXPECT_EQ(player().levelSelected, 37);
}

TEST_F(RoadmapTest, PointsRestUnderADialogDuringAFadeOutAndPaused) {
    player().isHelp = 0;
    player().StoryLevel = 3;
    frame();
    openPreview(2);
    ASSERT_EQ(player().levelSelected, 2);
    clickPoint(1);
    frame();
    EXPECT_EQ(player().levelSelected, 2) << "under the open preview";
    popupHandler.runtime = popupHandler.State = 0;
    g_pause = 1;
    clickPoint(1);
    frame();
    EXPECT_EQ(player().levelSelected, 2) << "paused";
    g_pause = -1;
    sceneHandler.fade_out(SCENE_MAINMENU, 0, 0);
    clickPoint(1);
    frame();
    EXPECT_EQ(player().levelSelected, 2) << "fading out";
}

// Level 19's point lies under the preview's close button: the click that opens the preview must
// not close it.
TEST_F(RoadmapTest, ThePreviewOfLevel19StaysOpen) {
    player().isHelp = 0;
    player().StoryLevel = 19;
    frame();
    clickPoint(19);
    frame();
    input._MausFireLeft = 0;
    for (int f = 0; f < 20; ++f) frame();
    EXPECT_EQ(popupHandler.State, POPUP_STAGE);
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN);
    EXPECT_EQ(popupHandler.direction, 1);
}

TEST_F(RoadmapTest, StartPrefersTheSuspendedGame) {
    player().isHelp = 0;
    player().StoryLevel = 9;
    player().isResume = 1;
    player().resumeLevel = 4;
    frame();
    clickAt(float(roadmapHoloButton.x), float(roadmapHoloButton.y));
    frame();
    EXPECT_EQ(player().Level, 4);
    EXPECT_EQ(sceneHandler.FaderShow, SCENE_MATCH3);
}

TEST_F(RoadmapTest, MenuButtonLeavesEvenWithADialogOpen) {
    player().isHelp = 0;
    player().StoryLevel = 3;
    openPreview(2);
    clickAt(937, 29);
    frame();
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_OUT);
    EXPECT_EQ(sceneHandler.FaderShow, SCENE_MAINMENU);
}

TEST_F(RoadmapTest, PlayContinuesTheSuspendedLevelOrGivesItUpForAnother) {
    player().isHelp = 0;
    player().StoryLevel = 9;
    for (int level : {4, 6}) {
        player().isResume = 1;
        player().resumeLevel = 4;
        sceneHandler.FaderDir = FADER_DIR_IN;
        openPreview(level);
        clickAt(512, 580);
        frame();
        EXPECT_EQ(player().Level, level);
        EXPECT_EQ(player().isResume, level == 4 ? 1 : 0) << "level " << level;
        EXPECT_EQ(sceneHandler.FaderShow, SCENE_MATCH3);
        popupHandler.runtime = popupHandler.State = 0;
    }
}

// The best-time line stands on screen above "play", with or without a best time.
TEST_F(RoadmapTest, PreviewShowsTheBestTimeLineAboveThePlayButton) {
    player().isHelp = 0;
    player().StoryLevel = 3;
    auto lineDrawn = [] {
        Pixmap screen = grabBackBuffer();
        const int y = 384 + floatToInt(popupHandler.imgPopupBig.H) / 2 - 150 + 6;
        int bright = 0;
        for (int x = 380; x < 640; ++x) bright += screen.at(x, y).r > 200;
        return bright;
    };
    openPreview(2);
    EXPECT_GT(lineDrawn(), 5) << "no best time yet";
    recordBestTime(2, 75, u"Ada");
    frame();
    EXPECT_GT(lineDrawn(), 5) << "a best time";
}

}  // namespace
