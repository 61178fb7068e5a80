// The story pages: where each arrow leads, the page limits, the music and the arrows resting
// while a fade runs, the game is paused or a dialog is open.
#include <gtest/gtest.h>

#include "persist/config.h"
#include "persist/player.h"
#include "scenes/story.h"
#include "ui/interface_fixture.h"
#include "ui/sound_handler.h"

namespace {

constexpr float NEXT_X = 900, PREVIOUS_X = 100, ARROW_Y = 710;

class StoryTest : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        resetPlayers();
        g_currentPlayer = 1;
        g_scene = SCENE_ROADMAP;
    }
    void TearDown() override {
        sceneStory.Leave();
        resetPlayers();
        InterfaceTest::TearDown();
    }

    static void show(int page) {
        sceneStory.setPage(page);
        sceneStory.Prepare();
        sceneHandler.FaderColor = 256;
    }
    // Clicks at (x, 710) for one frame; true when a fade towards `target` began.
    static bool clickLeadsTo(float x, int target) {
        clickAt(x, ARROW_Y);
        sceneStory.Update();
        input._MausFireLeft = 0;
        return sceneHandler.FaderDir == FADER_DIR_OUT && sceneHandler.FaderShow == target;
    }
};

TEST_F(StoryTest, PageLimits) {
    sceneStory.setPage(0);
    EXPECT_EQ(sceneStory._page, 1);
    sceneStory.setPage(12);
    EXPECT_EQ(sceneStory._page, 11);
    sceneStory._scrollForward();
    EXPECT_EQ(sceneStory._page, 11);
    sceneStory.setPage(1);
    sceneStory._scrollBackward();
    EXPECT_EQ(sceneStory._page, 1);
}

TEST_F(StoryTest, EachPageLeadsWhereTheStoryGoesOn) {
    struct Case {
        int page;
        int target;
        int pageAfter;
    };
    for (Case c : {Case{1, SCENE_STORY, 2}, Case{2, SCENE_ROADMAP, 3}, Case{5, SCENE_ROADMAP, 5},
                   Case{10, SCENE_STORY, 11}, Case{11, SCENE_MAINMENU, 1}}) {
        sceneHandler.FaderDir = FADER_DIR_IN;
        currentPlayer().isStoryPageShow = 1;
        currentPlayer().Level = 81;
        show(c.page);
        EXPECT_TRUE(clickLeadsTo(NEXT_X, c.target)) << "page " << c.page;
        EXPECT_EQ(sceneStory._page, c.pageAfter) << "page " << c.page;
        EXPECT_EQ(currentPlayer().isStoryPageShow, 0);
        if (c.page == 11) {
            EXPECT_EQ(currentPlayer().Level, 1) << "the last page starts the campaign anew";
        }
    }
}

TEST_F(StoryTest, OnlyPagesTwoAndElevenGoBack) {
    for (int page : {1, 3, 10}) {
        sceneHandler.FaderDir = FADER_DIR_IN;
        show(page);
        EXPECT_FALSE(clickLeadsTo(PREVIOUS_X, SCENE_STORY)) << "page " << page;
    }
    for (int page : {2, 11}) {
        sceneHandler.FaderDir = FADER_DIR_IN;
        show(page);
        EXPECT_TRUE(clickLeadsTo(PREVIOUS_X, SCENE_STORY)) << "page " << page;
        EXPECT_EQ(sceneStory._page, page - 1);
    }
}

TEST_F(StoryTest, ArrowsRestDuringAFadeOutPausedOrUnderADialog) {
    show(3);
    sceneHandler.fade_out(SCENE_MAINMENU, 0, 0);
    EXPECT_FALSE(clickLeadsTo(NEXT_X, SCENE_ROADMAP));
    sceneHandler.FaderDir = FADER_DIR_IN;
    g_pause = 1;
    EXPECT_FALSE(clickLeadsTo(NEXT_X, SCENE_ROADMAP));
    g_pause = -1;
    popupHandler.pop(POPUP_OPTIONS);
    EXPECT_FALSE(clickLeadsTo(NEXT_X, SCENE_ROADMAP));
}

TEST_F(StoryTest, MusicStartsFromSilenceButAPageTurnKeepsIt) {
    config.musiklaut = 140;
    show(1);
    EXPECT_EQ(soundHandler.akttitle, u"main.ogg");
    EXPECT_EQ(config.musiklaut, 0);
    EXPECT_EQ(sceneStory.imgBackground.isLoaded, 1);
    config.musiklaut = 90;
    show(2);  // turned from page 1: the previous scene is the story itself
    EXPECT_EQ(config.musiklaut, 90);
}

// Every page with its arrows, kept for looking at: "next" on each page, "previous" only on pages
// 2 and 11.
TEST_F(StoryTest, ReviewScreensOfEveryPageWithItsArrows) {
    auto arrowPixels = [](const Pixmap& page, const Pixmap& shown, int x) {
        int n = 0;
        for (int dy = -20; dy <= 20; ++dy)
            for (int dx = -20; dx <= 20; ++dx) {
                const Rgba& p = page.at(x + dx, 710 + dy);
                const Rgba& q = shown.at(x + dx, 710 + dy);
                n += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 40;
            }
        return n;
    };
    for (int page = 1; page <= 11; ++page) {
        show(page);
        ASSERT_EQ(sceneStory.imgBackground.isLoaded, 1) << "page " << page;
        cls();
        sceneStory.imgBackground.Paint();
        Pixmap plain = grabBackBuffer();
        cls();
        sceneStory.Update();
        Pixmap shown = grabBackBuffer();
        saveForReview("story/page" + std::to_string(page) + ".png");
        EXPECT_GT(arrowPixels(plain, shown, 900), 100) << "page " << page;
        bool back = page == 2 || page == 11;
        EXPECT_EQ(arrowPixels(plain, shown, 100) > 100, back) << "page " << page;
    }
}

}  // namespace
