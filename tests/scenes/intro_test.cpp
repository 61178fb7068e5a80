// The intro: reading the splash configuration and moving through its pages.
#include <gtest/gtest.h>

#include "game/globals.h"
#include "scenes/intro.h"
#include "test_support.h"
#include "ui/input.h"
#include "ui/scene_handler.h"

namespace {

const char* const TWO_PAGES =
    "page=1\r\nfile=studio.jpg\r\ntime=120\r\nskip=False\r\n;---\r\n"
    "page=2\r\nfile=title.jpg\r\ntime=80\r\nskip=True\r\n";

class IntroTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetShellGlobals();
        sceneHandler = vexaTSceneHandler();
        input = vexaTInput();
        flushKeys();
    }

    void writeConfig(const std::string& text) { folder.write("data/branding/splashconfig.txt", text); }

    void start(int page) {
        intro.setW(page);
        intro.Prepare();
    }

    // Frames of Update (with the fader running) until the intro asks for a fade-out.
    int framesUntilFadeOut(int limit = 1000) {
        for (int frame = 1; frame <= limit; ++frame) {
            sceneHandler.fading();
            intro.Update();
            if (sceneHandler.FaderDir == FADER_DIR_OUT) return frame;
        }
        return -1;
    }

    ScopedWorkDir folder;
    vexaTSceneIntro intro;
};

TEST_F(IntroTest, ReadsBlocksIntoPages) {
    writeConfig(TWO_PAGES);
    intro._read_introsettings();
    EXPECT_EQ(intro._pages, 2);
    EXPECT_EQ(intro._path[1], u"studio.jpg");
    EXPECT_EQ(intro._frames[1], 120);
    EXPECT_EQ(intro._skip[1], 0);
    EXPECT_EQ(intro._path[2], u"title.jpg");
    EXPECT_EQ(intro._frames[2], 80);
    EXPECT_EQ(intro._skip[2], 1);
    EXPECT_EQ(intro._Position[2], 2);
}

TEST_F(IntroTest, SkipValueIgnoresLetterCaseAndAnySeparator) {
    writeConfig("file:a.png\nskip TRUE\n;---\nfile=b.png\nskip=true\n;---\nfile=c.png\nskip=yes\n");
    intro._read_introsettings();
    EXPECT_EQ(intro._skip[1], 1);
    EXPECT_EQ(intro._skip[2], 1);
    EXPECT_EQ(intro._skip[3], 0);
    EXPECT_EQ(intro._path[1], u"a.png");
}

TEST_F(IntroTest, NoneBlocksDoNotCountAndAFinalSeparatorOpensAPage) {
    writeConfig("file=a.png\n;---\nfile=none\n");
    intro._read_introsettings();
    EXPECT_EQ(intro._pages, 1);
    writeConfig("file=a.png\n;---\n");
    vexaTSceneIntro fresh;
    fresh._read_introsettings();
    EXPECT_EQ(fresh._pages, 2);
}

TEST_F(IntroTest, OnlyTheFirstTwentyNineLinesAndSixPagesAreRead) {
    std::string text;
    for (int block = 1; block <= 9; ++block) text += "file=p" + std::to_string(block) + ".png\ntime=5\n;---\n";
    writeConfig(text);
    intro._read_introsettings();
    EXPECT_EQ(intro._pages, 6);
    EXPECT_EQ(intro._path[6], u"p6.png");
}

TEST_F(IntroTest, PageEndsAfterItsTimeAndLeadsToTheNextPage) {
    writeConfig(TWO_PAGES);
    start(1);
    EXPECT_EQ(g_scene, SCENE_INTRO);
    EXPECT_EQ(intro._page, 1);
    EXPECT_EQ(framesUntilFadeOut(), 120);
    EXPECT_EQ(sceneHandler.FaderShow, SCENE_INTRO);
    EXPECT_EQ(sceneHandler.FaderParam1, 2);
}

TEST_F(IntroTest, LastPageLeadsToTheLoadScreen) {
    writeConfig(TWO_PAGES);
    start(2);
    EXPECT_EQ(framesUntilFadeOut(), 80);
    EXPECT_EQ(sceneHandler.FaderShow, SCENE_LOADSCREEN);
}

TEST_F(IntroTest, SpaceSkipsOnlyASkippablePage) {
    writeConfig(TWO_PAGES);
    injectKey(KEY_SPACE, true);
    start(1);
    EXPECT_EQ(framesUntilFadeOut(), 120) << "page 1 is not skippable";
    start(2);
    injectKey(KEY_SPACE, true);  // the fade-out forgot the held key
    EXPECT_EQ(framesUntilFadeOut(), 1);
    injectKey(KEY_SPACE, false);
}

TEST_F(IntroTest, ClickSkipsASkippablePage) {
    writeConfig(TWO_PAGES);
    start(2);
    sceneHandler.fading();
    intro.Update();
    injectMouseButton(1, true);
    injectMouseButton(1, false);
    EXPECT_EQ(framesUntilFadeOut(), 1);
}

TEST_F(IntroTest, TimeZeroNeverEnds) {
    writeConfig("file=a.png\ntime=0\n");
    start(1);
    EXPECT_EQ(framesUntilFadeOut(500), -1);
}

TEST_F(IntroTest, MissingConfigurationGoesToTheLoadScreen) {
    start(1);
    EXPECT_EQ(intro._pages, 0);
    EXPECT_EQ(framesUntilFadeOut(), 1);
    EXPECT_EQ(sceneHandler.FaderShow, SCENE_LOADSCREEN);
}

TEST_F(IntroTest, F3SwitchesDebugOn) {
    writeConfig(TWO_PAGES);
    start(1);
    input._F3 = 1;
    intro.Update();
    EXPECT_EQ(g_debug, 1);
}

}  // namespace
