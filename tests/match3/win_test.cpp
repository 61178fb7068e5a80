// The win sequence: bonuses by play time, the picture and panel timeline, confirming only once
// the button is up, and the hand-over to the next level happening exactly once.
#include "match3/board_fixture.h"
#include "test_support.h"
#include "ui/scene_handler.h"

namespace {

class WinTest : public BoardTest {
protected:
    ScopedWorkDir dir;

    void SetUp() override {
        BoardTest::SetUp();
        player.SetURL(u"players1.ppp");
        player.StoryLevel = player.Level = 2;
        sceneHandler.FaderDir = FADER_DIR_IN;
    }

    // Runs the sequence until _winrun reaches `frame` (the frame counter the sequence shows).
    void runTo(int frame) {
        while (m._winrun > 0 && m._winrun < frame) m._screenWin();
    }
};

TEST_F(WinTest, TimeBonusThresholds) {
    const int cases[][2] = {{90, 2000}, {91, 1500}, {120, 1500}, {121, 1000}, {150, 1000}, {151, 0}};
    for (const auto& [seconds, bonus] : cases) {
        m._winrun = 1;
        m._winBonusPaid = 0;  // each case is the win of a fresh level
        player.time = seconds;
        player.StoryPoints = player.LevelPoints = 0;
        player.anzMoss = 3;
        m._screenWin();
        EXPECT_EQ(m._bonuspunkte, bonus) << seconds << " s";
        EXPECT_EQ(player.StoryPoints, bonus + 30) << seconds << " s";
        EXPECT_EQ(player.LevelPoints, bonus + 30) << seconds << " s";
    }
}

TEST_F(WinTest, MossLeftPreventsTheWin) {
    for (int kind = 1; kind <= 5; ++kind) player.itemsToDestroyData[2][size_t(kind)] = 0;
    m._mosscount = 1;
    m._screenWin();
    EXPECT_EQ(m._winrun, 0);
    m._mosscount = 0;
    m._screenWin();
    EXPECT_EQ(m._winrun, 2);  // won and counted on in the same frame
}

TEST_F(WinTest, PanelFollowsThePlainLevelTimeline) {
    m._winrun = 1;
    runTo(40);
    EXPECT_EQ(m.ScoreboardRuntime, 0);
    m._screenWin();  // frame 41: the panel starts fading in
    EXPECT_EQ(m.ScoreboardRuntime, 1);
    EXPECT_EQ(m.VictoryRuntime, 0);
    runTo(499);
    m._screenWin();
    EXPECT_EQ(m._winrun, 499);  // waits for the player
}

TEST_F(WinTest, ChapterLevelShowsItsPictureBeforeThePanel) {
    player.Level = player.StoryLevel = 10;
    m._winrun = 1;
    runTo(240);
    EXPECT_EQ(m.VictoryRuntime, 199);  // frames 41..239
    EXPECT_EQ(m.ScoreboardRuntime, 0);
    runTo(242);
    EXPECT_GT(m.ScoreboardRuntime, 0);
}

TEST_F(WinTest, EnterAndEscapeWaitForTheButton) {
    m._winrun = 1;
    input._Enter = 1;
    input._Escape = 1;
    runTo(120);
    EXPECT_EQ(m._winrun, 120);
    EXPECT_EQ(player.Level, 2);
    m._screenWin();  // frame 121: the button is up and Enter confirms
    EXPECT_EQ(m._winrun, -1);
    EXPECT_EQ(player.Level, 3);
}

TEST_F(WinTest, ConfirmingHandsOnOnce) {
    m._winrun = 121;
    input._Escape = 1;
    m._screenWin();
    EXPECT_EQ(m._winrun, -1);
    EXPECT_EQ(player.Level, 3);
    EXPECT_EQ(player.StoryLevel, 3);
    EXPECT_EQ(m._bonuspunkte, 0);
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_OUT);
    EXPECT_EQ(sceneHandler.FaderShow, SCENE_ROADMAP);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "players1.ppp"));
    for (int f = 0; f < 10; ++f) m._screenWin();
    EXPECT_EQ(m._winrun, -1);
    EXPECT_EQ(player.Level, 3);
}

TEST_F(WinTest, LastLevelOfAChapterOpensTheStory) {
    player.Level = player.StoryLevel = 10;
    m._winrun = 321;
    input._Enter = 1;
    m._screenWin();
    EXPECT_EQ(player.Level, 11);
    EXPECT_EQ(sceneHandler.FaderShow, SCENE_STORY);
}

// A win that lands while the window has lost the focus waits on its first frame; its bonuses
// are paid once, not on every waiting frame.
TEST_F(WinTest, BonusesArePaidOnceWhilePausedOnTheWinningFrame) {
    player.time = 60;
    player.anzMoss = 3;
    m._winrun = 1;
    g_pause = 1;
    for (int f = 0; f < 400; ++f) m._screenWin();
    EXPECT_EQ(m._winrun, 1);
    EXPECT_EQ(player.StoryPoints, 2030);
    g_pause = -1;
    runTo(120);
    EXPECT_EQ(player.StoryPoints, 2030);
}

// Quitting behind the summary saves the level as won: the next start finds the next level and
// the points counted once, and confirming afterwards changes nothing of that.
TEST_F(WinTest, QuitBehindTheSummarySavesTheWinOnceAndConfirmingKeepsIt) {
    player.time = 60;
    m._winrun = 1;
    runTo(100);
    const int points = player.StoryPoints;
    EXPECT_EQ(points, 2000);
    EXPECT_TRUE(m.saveFromLevel(player, false));
    EXPECT_EQ(player.Level, 2) << "the summary still shows its level";
    TSpieler reloaded;
    reloaded.SetURL(u"players1.ppp");
    ASSERT_EQ(reloaded.LoadFromDisk(), 0);
    EXPECT_EQ(reloaded.Level, 3);
    EXPECT_EQ(reloaded.StoryPoints, points);
    EXPECT_EQ(reloaded.isResume, 0);
    input._Enter = 1;
    runTo(121);
    m._screenWin();
    EXPECT_EQ(player.Level, 3);
    EXPECT_EQ(player.StoryPoints, points);
    ASSERT_EQ(reloaded.LoadFromDisk(), 0);
    EXPECT_EQ(reloaded.Level, 3);
}

// A win completed behind the in-game menu and then left by its "exit" is recorded as won, never
// stored for resuming (which would pay its bonus again).
TEST_F(WinTest, LeavingALevelWonBehindTheMenuRecordsTheWin) {
    player.time = 60;
    m._winrun = 1;
    m._screenWin();
    EXPECT_TRUE(m.saveFromLevel(player, true));
    EXPECT_EQ(player.isResume, 0);
    EXPECT_EQ(player.Level, 3);
    EXPECT_EQ(player.StoryPoints, 2000);
    EXPECT_EQ(m._winrun, -1);
    for (int f = 0; f < 10; ++f) m._screenWin();
    EXPECT_EQ(player.Level, 3) << "nothing is handed on twice";
}

// Goal gems still flying to their counters count as collected in the resume record; the running
// level counts them itself when they arrive.
TEST_F(WinTest, SuspendingCountsTheGoalGemsInFlight) {
    player.itemsToDestroyData[2][2] = 10;
    player.itemsDestroyed[2] = 3;
    installEffect(300, 300, 95702, 0, 0);
    installEffect(320, 300, 95702, 0, 0);
    installEffect(340, 300, 95704, 0, 0);
    EXPECT_TRUE(m.saveFromLevel(player, false));
    EXPECT_EQ(player.isResume, 1);
    EXPECT_EQ(player.resumeItemsDestroyed[2], 5);
    EXPECT_EQ(player.resumeItemsDestroyed[4], 1);
    EXPECT_EQ(player.itemsDestroyed[2], 3);
}

TEST_F(WinTest, OutsideALevelTheBoardSavesNothing) {
    g_scene = SCENE_ROADMAP;
    EXPECT_FALSE(m.saveFromLevel(player, false));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "players1.ppp"));
}

}  // namespace
