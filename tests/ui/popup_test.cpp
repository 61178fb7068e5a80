// The popup handler's phases, opening a dialog, the framed box, the level's menu and the
// quit question; also writes review screenshots of both dialogs and the pause box.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "app/subsystem_hooks.h"
#include "match3/scene_match3.h"
#include "persist/config.h"
#include "persist/player.h"
#include "ui/buttons.h"
#include "ui/interface_fixture.h"
#include "ui/sound_handler.h"

namespace {

// A popup whose quit question only counts the frames it is drawn.
class CountingPopup : public vexaTPopup {
public:
    int show_quit() override {
        shown += 1;
        return 0;
    }
    int shown = 0;
};

class PopupTest : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        savedConfig = config;
        resetPlayers();
    }
    void TearDown() override {
        config = savedConfig;
        resetPlayers();
        InterfaceTest::TearDown();
    }

    // Makes slot 1 the current player with its profile file in the test folder.
    String currentPlayerFile() {
        g_currentPlayer = 1;
        players[1].url = file("players1.ppp");
        return players[1].url;
    }

    static bool anyPixelLit(int top, int bottom) {
        Pixmap screen = grabBackBuffer();
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < screen.width; ++x) {
                const Rgba& p = screen.at(x, y);
                if (p.r + p.g + p.b > 400) return true;
            }
        }
        return false;
    }

    TConfig savedConfig;
};

TEST_F(PopupTest, OpeningAndClosingTakeFifteenFramesEachAndDrawTheDialogThroughout) {
    CountingPopup popup;
    popup.pop(POPUP_QUIT);
    EXPECT_EQ(popup.runtime, 1);
    EXPECT_EQ(popup.direction, 1);
    EXPECT_EQ(popup.State, POPUP_QUIT);
    for (int frame = 1; frame <= 15; ++frame) {
        popup.ingameScreenMainmenu_show();
        EXPECT_EQ(popup.runtime, frame + 1);
    }
    popup.ingameScreenMainmenu_show();
    EXPECT_EQ(popup.runtime, POPUP_OPEN);
    EXPECT_EQ(popup.shown, 16);

    g_pause = 1;
    popup.direction = 2;
    for (int frame = 1; frame <= 15; ++frame) {
        popup.ingameScreenMainmenu_show();
        EXPECT_EQ(popup.runtime, 16 - frame);
    }
    EXPECT_EQ(g_pause, 1);
    popup.ingameScreenMainmenu_show();
    EXPECT_EQ(popup.runtime, 0);
    EXPECT_EQ(g_pause, -1) << "closing a dialog ends a pending pause";
    EXPECT_EQ(popup.State, POPUP_QUIT) << "State falls back only on the next frame";
    EXPECT_EQ(popup.shown, 32) << "drawn in the frame the closing phase ends too";
    popup.ingameScreenMainmenu_show();
    EXPECT_EQ(popup.State, 0);
    EXPECT_EQ(popup.shown, 32);
}

TEST_F(PopupTest, BelowTwentyEightFramesPerSecondPhasesEndAtOnce) {
    CountingPopup popup;
    g_fps = 28;
    popup.pop(POPUP_QUIT);
    popup.ingameScreenMainmenu_show();
    EXPECT_EQ(popup.runtime, 2);

    g_fps = 27;
    popup.ingameScreenMainmenu_show();
    EXPECT_EQ(popup.runtime, POPUP_OPEN);
    EXPECT_EQ(popup.shown, 2);
    popup.direction = 2;
    g_pause = 1;
    popup.ingameScreenMainmenu_show();
    EXPECT_EQ(popup.runtime, 15) << "the closing phase starts as usual";
    popup.ingameScreenMainmenu_show();
    EXPECT_EQ(popup.runtime, 0);
    EXPECT_EQ(g_pause, -1);
    EXPECT_EQ(popup.shown, 3) << "a closing phase ended at once draws nothing";
    popup.ingameScreenMainmenu_show();
    EXPECT_EQ(popup.State, 0);
}

TEST_F(PopupTest, PopOfAnIdWithoutDialogPlaysTheSoundAndDrawsNothing) {
    soundHandler.init_sound();
    soundHandler.soundplaying.fill(0);
    config.soundlaut = 210;
    g_sliderSound = g_sliderMusic = 1;
    openFully(POPUP_QUIT);
    popupHandler.pop(POPUP_MAP);
    EXPECT_EQ(soundHandler.soundplaying[SOUND_POPUP], 1);
    EXPECT_EQ(g_sliderSound, 0);
    EXPECT_EQ(g_sliderMusic, 0);
    EXPECT_EQ(popupHandler.runtime, 1) << "replacing a dialog restarts the opening phase";
    cls();
    for (int frame = 1; frame <= 20; ++frame) popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN);
    EXPECT_EQ(popupHandler.State, POPUP_MAP);
    EXPECT_FALSE(anyPixelLit(0, 768));
    soundHandler.stop_music();
}

TEST_F(PopupTest, QuitQuestionSavesTheSettingsBeforeItOpens) {
    config.url = file("settings.txt");
    popupHandler.pop(POPUP_OPTIONS);
    EXPECT_FALSE(std::filesystem::exists(folder / "settings.txt"));
    popupHandler.pop(POPUP_QUIT);
    EXPECT_TRUE(std::filesystem::exists(folder / "settings.txt"));
}

TEST_F(PopupTest, BoxOfUnknownSizeDrawsOnlyTheShadeAndTheTitleAtTheTop) {
    int titleHeight = fontHeader.GetFontHeight();
    popupHandler.box(4, u"MENU", 0);
    Pixmap screen = grabBackBuffer();
    EXPECT_EQ(screen.at(512, 384), screen.at(20, 740)) << "no frame at the centre";
    EXPECT_TRUE(anyPixelLit(0, titleHeight));

    cls();
    popupHandler.box(POPUP_SIZE_SMALL, u"MENU", 0);
    screen = grabBackBuffer();
    EXPECT_NE(screen.at(512, 384), screen.at(20, 740));
    EXPECT_FALSE(anyPixelLit(0, titleHeight));
    int titleTop = int(384 - popupHandler.imgPopupSmall.H / 2 + 20);
    EXPECT_TRUE(anyPixelLit(titleTop, titleTop + titleHeight));
}

TEST_F(PopupTest, MenuEscapeContinuesEvenWhileTheMenuOpens) {
    popupHandler.pop(POPUP_INGAME);
    popupHandler.ingameScreenMainmenu_show();
    g_pause = 1;
    input._Escape = 1;
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_EQ(g_pause, -1);
    EXPECT_EQ(input._Escape, 0) << "Escape is consumed";
}

TEST_F(PopupTest, MenuContinueClosesAndLeaveStoresTheLevelAndFadesToTheRoadmap) {
    g_inputLayer = 2;
    openFully(POPUP_INGAME);
    clickAt(607, 454);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_EQ(input._MausFireLeft, 0);

    String profile = currentPlayerFile();
    players[1].Level = 7;
    g_scene = SCENE_MATCH3;
    sceneMatch3._winrun = 0;
    openFully(POPUP_INGAME);
    clickAt(417, 454);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(players[1].isResume, 1);
    EXPECT_EQ(players[1].resumeLevel, 7);
    EXPECT_TRUE(std::filesystem::exists(toUtf8(profile)));
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_OUT);
    EXPECT_EQ(sceneHandler.FaderShow, 13);
}

TEST_F(PopupTest, MenuOptionsSwitchesToTheOptionsInTheSamePhase) {
    g_inputLayer = 2;
    openFully(POPUP_INGAME);
    clickAt(607, 374);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(input._MausFireLeft, 0) << "the click is consumed";
    EXPECT_EQ(popupHandler.State, POPUP_OPTIONS);
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN) << "no new opening phase";
}

TEST_F(PopupTest, QuitEscapeAndBackCloseOnlyWhenFullyOpen) {
    g_inputLayer = 2;
    popupHandler.pop(POPUP_QUIT);
    popupHandler.ingameScreenMainmenu_show();
    input._Escape = 1;
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(popupHandler.direction, 1) << "Escape waits for the opening phase";
    openFully(POPUP_QUIT);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_IN);

    input._Escape = 0;
    openFully(POPUP_QUIT);
    clickAt(407, 484);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(popupHandler.direction, 2);
}

TEST_F(PopupTest, QuitEnterSavesThePlayerAndFadesToTheEnd) {
    String profile = currentPlayerFile();
    openFully(POPUP_QUIT);
    input._Enter = 1;
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_TRUE(std::filesystem::exists(toUtf8(profile)));
    EXPECT_EQ(sceneHandler.FaderDir, FADER_DIR_OUT);
    EXPECT_EQ(sceneHandler.FaderShow, -999);
}

// A win that completes behind the open menu is recorded by "exit", never stored for resuming.
TEST_F(PopupTest, MenuExitAfterAWinBehindItRecordsTheWin) {
    currentPlayerFile();
    players[1].Level = players[1].StoryLevel = 7;
    g_scene = SCENE_MATCH3;
    sceneMatch3._winrun = 30;
    sceneMatch3._winBonusPaid = 1;
    g_inputLayer = 2;
    openFully(POPUP_INGAME);
    clickAt(417, 454);
    popupHandler.ingameScreenMainmenu_show();
    EXPECT_EQ(players[1].isResume, 0);
    EXPECT_EQ(players[1].Level, 8);
    TSpieler saved;
    saved.SetURL(players[1].url);
    ASSERT_EQ(saved.LoadFromDisk(), 0);
    EXPECT_EQ(saved.Level, 8);
    EXPECT_EQ(saved.isResume, 0);
    sceneMatch3.resetAll();
}

// Quitting while the summary waits saves the level as won, whether the question's "ok" is
// clicked or Enter is pressed.
TEST_F(PopupTest, QuitDuringTheSummarySavesTheWinWithEnterOrClick) {
    for (bool enter : {true, false}) {
        resetPlayers();
        String profile = currentPlayerFile();
        players[1].Level = players[1].StoryLevel = 4;
        g_scene = SCENE_MATCH3;
        sceneMatch3._winrun = 200;
        sceneMatch3._winBonusPaid = 1;
        g_inputLayer = 2;
        openFully(POPUP_QUIT);
        if (enter) input._Enter = 1;
        else clickAt(617, 484);
        popupHandler.ingameScreenMainmenu_show();
        input._Enter = 0;
        EXPECT_EQ(sceneHandler.FaderShow, -999);
        TSpieler saved;
        saved.SetURL(profile);
        ASSERT_EQ(saved.LoadFromDisk(), 0);
        EXPECT_EQ(saved.Level, 5) << (enter ? "Enter" : "click");
        EXPECT_EQ(saved.isResume, 0) << (enter ? "Enter" : "click");
        sceneHandler = vexaTSceneHandler();
        sceneHandler.FaderDir = FADER_DIR_IN;
        sceneHandler.FaderColor = 256;
    }
    sceneMatch3.resetAll();
}

TEST_F(PopupTest, DialogTextsFitTheirButtonsAndFrame) {
    float buttonRoom = imgButtons[3].W - 16;
    for (const char16_t* key : {u"help", u"exit", u"options", u"continue", u"back", u"ok"})
        EXPECT_LT(float(fontText.GetTxtWidth(languageFile.getValue(key))), buttonRoom) << toUtf8(key);
    float frameRoom = popupHandler.imgPopupSmall.W - 48;
    for (const char16_t* key : {u"exitsure", u"exitsave", u"clicktocontinue"})
        EXPECT_LT(float(fontText.GetTxtWidth(languageFile.getValue(key))), frameRoom) << toUtf8(key);
    for (const char16_t* key : {u"menu", u"exitquestion", u"pause"})
        EXPECT_LT(float(fontHeader.GetTxtWidth(languageFile.getValue(key))), frameRoom) << toUtf8(key);
}

// A plain background, then the dialog fully open with the pointer on one of its buttons. Each
// frame is centred on the screen; titles, lines and buttons are drawn on it, and the button
// under the pointer looks unlike itself without the pointer.
TEST_F(PopupTest, ReviewScreensOfTheDialogsAndThePauseBox) {
    Image background = headless::solidImage(1024, 768, {70, 110, 90, 255});
    g_inputLayer = 2;
    auto shoot = [&](int id, float pointerX, float pointerY) {
        if (id != 0) openFully(id);
        cls();
        drawImage(background, 0, 0, 0);
        pointTo(pointerX, pointerY);
        if (id != 0)
            popupHandler.ingameScreenMainmenu_show();
        else
            drawPauseBox();
        return grabBackBuffer();
    };
    // The frame alone, without title or contents.
    cls();
    drawImage(background, 0, 0, 0);
    popupHandler.box(POPUP_SIZE_SMALL, u"", 0);
    const Pixmap empty = grabBackBuffer();
    const Rgba outside = empty.at(5, 5);
    const Box frame = drawnExtent(empty, Box{0, 0, 1024, 768}, outside);
    EXPECT_NEAR((frame.left + frame.right) / 2.0, 512, 3);
    EXPECT_NEAR((frame.top + frame.bottom) / 2.0, 384, 3);
    EXPECT_GT(frame.right - frame.left, 400);
    const Box title{frame.left + 20, frame.top + 10, frame.right - 20, frame.top + 60};

    const Pixmap menu = shoot(POPUP_INGAME, 607, 454);
    saveForReview("ingame_menu.png");
    const Pixmap menuWithoutPointer = shoot(POPUP_INGAME, -100, -100);
    EXPECT_GT(changedIn(empty, menu, title), 100) << "the menu's title";
    const Box help{337, 343, 497, 379}, options{527, 343, 687, 379}, leave{337, 423, 497, 459},
        resume{527, 423, 687, 459};
    for (const Box& button : {help, options, leave, resume}) EXPECT_GT(changedIn(empty, menu, button), 1000);
    EXPECT_GT(changedIn(menuWithoutPointer, menu, resume), 100) << "the button under the pointer";
    for (const Box& button : {help, options, leave}) EXPECT_EQ(changedIn(menuWithoutPointer, menu, button), 0);

    const Pixmap quit = shoot(POPUP_QUIT, 617, 484);
    saveForReview("quit_question.png");
    const Pixmap quitWithoutPointer = shoot(POPUP_QUIT, -100, -100);
    EXPECT_GT(changedIn(empty, quit, title), 100) << "the question's title";
    EXPECT_GT(changedIn(empty, quit, Box{frame.left + 20, frame.top + 70, frame.right - 20, frame.top + 150}), 300)
        << "its two lines";
    const Box back{327, 466, 487, 502}, ok{537, 466, 697, 502};
    EXPECT_GT(changedIn(empty, quit, back), 1000);
    EXPECT_GT(changedIn(quitWithoutPointer, quit, ok), 100) << "the button under the pointer";
    EXPECT_EQ(changedIn(quitWithoutPointer, quit, back), 0);

    const Pixmap paused = shoot(0, -100, -100);
    saveForReview("pause_box.png");
    EXPECT_GT(changedIn(empty, paused, title), 100) << "the pause box's title";
    EXPECT_GT(changedIn(empty, paused, Box{frame.left + 20, 330, frame.right - 20, 370}), 200) << "click to continue";
    EXPECT_EQ(changedIn(empty, paused, Box{frame.left + 20, 400, frame.right - 20, frame.bottom - 20}), 0)
        << "nothing else";
}

}  // namespace
