// The options dialog and the dialogs it shares a file or a pattern with: the sliders and check
// boxes, closing, the credits, the champion table and the resume and new-game questions.
#include <gtest/gtest.h>

#include "ui/dialog_fixture.h"
#include "ui/sound_handler.h"

namespace {

int toggles = 0;
void countToggle() { toggles += 1; }

class OptionsTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        toggles = 0;
        linkFullScreenToggle(countToggle);
    }
    void TearDown() override {
        linkFullScreenToggle(nullptr);
        DialogTest::TearDown();
    }

    // Holds the left button on the knob of the music row (y 292) and moves to x, one frame each.
    static void dragMusicKnob(float x) {
        pointTo(372 + float(config.musiklautsoll), 292);
        input._MausDownLeft = 1;
        popupHandler.ingameScreenMainmenu_show();
        pointTo(x, 292);
        popupHandler.ingameScreenMainmenu_show();
    }
};

TEST_F(OptionsTest, EnterHeldWhileOpeningClosesAndSavesAsSoonAsTheDialogIsOpen) {
    popupHandler.pop(POPUP_OPTIONS);
    input._Enter = 1;
    for (int frame = 1; frame < 15; ++frame) popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(popupHandler.direction, 1);
    EXPECT_FALSE(savedFile("settings.txt"));
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN);
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_TRUE(savedFile("settings.txt"));
}

TEST_F(OptionsTest, KnobDraggedPastTheTrackStaysWithinItAndTheMusicFollows) {
    openFully(POPUP_OPTIONS);
    config.musiklaut = config.musiklautsoll = 140;
    dragMusicKnob(950);
    EXPECT_EQ(g_sliderMusic, 1);
    EXPECT_EQ(g_sliderSound, 0);
    EXPECT_EQ(config.musiklautsoll, 280);
    soundHandler.sounds();
    EXPECT_EQ(config.musiklaut, 145) << "the music glides towards the new volume";

    pointTo(20, 200);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(config.musiklautsoll, 0) << "the drag goes on off the row";
    pointTo(500, 384);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(config.soundlaut, 210) << "the effect knob does not start while the music knob is dragged";

    input._MausDownLeft = 0;
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(g_sliderMusic, 0);
    pointTo(300, 292);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(config.musiklautsoll, 128);

    config.soundlaut = 999;
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(config.soundlaut, 280) << "a volume from elsewhere is clamped on the next frame";
}

TEST_F(OptionsTest, CheckBoxesActWhileTheDialogOpensButNotWhilePausedOrDragging) {
    g_currentPlayer = 1;
    mousePointer._useGFXPointer = 1;
    popupHandler.pop(POPUP_OPTIONS);
    popupHandler.ingameScreenMainmenu_show();
    clickOnce(302, 434);
    clickOnce(552, 434);
    clickOnce(442 + 19, 484 - 19);
    EXPECT_LT(popupHandler.runtime, POPUP_OPEN);
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(players[1].isHelp, 1);
    EXPECT_EQ(mousePointer._useGFXPointer, 0);

    clickOnce(442 + 20, 484);
    EXPECT_EQ(mousePointer._useGFXPointer, 0) << "20 pixels off the centre is outside";
    g_pause = 1;
    clickOnce(302, 434);
    EXPECT_EQ(toggles, 1) << "the click that ends the pause screen does not switch back";
    g_pause = -1;
    g_sliderSound = 1;
    input._MausDownLeft = 1;
    clickOnce(552, 434);
    EXPECT_EQ(players[1].isHelp, 1);

    g_currentPlayer = -1;
    clickOnce(552, 434);
    EXPECT_EQ(players[0].isHelp, 0) << "help needs a current player";
    mousePointer.enableGFXMode();
}

TEST_F(OptionsTest, CreditsComeFromTheOptionsAndCloseWhenOpen) {
    openFully(POPUP_OPTIONS);
    clickOnce(362, 594);
    EXPECT_EQ(popupHandler.State, POPUP_CREDITS);
    EXPECT_EQ(popupHandler.runtime, 1) << "the credits open with their own phase";
    input._Escape = 1;
    frame();
    EXPECT_EQ(popupHandler.direction, 1);
    while (popupHandler.runtime < POPUP_OPEN) frame();
    input._Escape = 1;
    frame();
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_GE(creditsTextTop(), 384 - popupHandler.imgPopupSmall.H / 2 + 20 + float(fontHeader.GetFontHeight()))
        << "the text starts below the title";
}

TEST_F(OptionsTest, ChampionRowsWithoutLevelShowDashes) {
    name(1, u"Maximilianus", 900, 3);
    players[2].StoryLevel = 0;
    openFully(POPUP_CHAMP);
    cls();
    frame();
    Pixmap screen = grabBackBuffer();
    auto litIn = [&](int left, int right, int row) {
        int top = 290 + (row - 1) * fontText.GetFontHeight();
        for (int y = top; y < top + fontText.GetFontHeight(); ++y)
            for (int x = left; x < right; ++x)
                if (screen.at(x, y).r > 200) return true;
        return false;
    };
    EXPECT_TRUE(litIn(420, 480, 1)) << "the first row holds the long name";
    EXPECT_FALSE(litIn(420, 480, 2));
    EXPECT_TRUE(litIn(358, 378, 2)) << "dashes centred on the name column";
    EXPECT_TRUE(litIn(644, 664, 2));
    EXPECT_TRUE(litIn(687, 707, 2));
    input._Enter = 1;
    frame();
    EXPECT_EQ(popupHandler.direction, 2);
}

TEST_F(OptionsTest, ResumeGoesToTheStoryOrTheRoadmapAndNewGameAnswersNoWithEnter) {
    g_currentPlayer = 1;
    players[1].isResume = 1;
    players[1].resumeLevel = 7;
    openFully(POPUP_RESUME);
    clickOnce(617, 484);
    EXPECT_EQ(players[1].Level, 7);
    EXPECT_EQ(sceneHandler.FaderShow, 13) << "level 7 opens no story page";

    sceneHandler.FaderDir = FADER_DIR_IN;
    openFully(POPUP_RESUME);
    clickOnce(407, 484);
    EXPECT_EQ(popupHandler.State, POPUP_NEWGAME);
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN);
    input._Enter = 1;
    frame();
    EXPECT_EQ(popupHandler.State, POPUP_RESUME) << "Enter answers no";

    players[1].StoryPoints = 4000;
    players[1].Level = 30;
    clickOnce(407, 484);
    clickOnce(417, 484);
    EXPECT_EQ(players[1].Level, 1);
    EXPECT_EQ(players[1].isResume, 0);
    EXPECT_EQ(sceneHandler.FaderShow, 14) << "a new game starts with the story";
}

}  // namespace
