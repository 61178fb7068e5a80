// The main menu: the welcome line, its buttons and menu button, the music and fade on entry,
// the buttons resting under a dialog and the sparks of a right click.
#include <gtest/gtest.h>

#include <algorithm>

#include "match3/effects.h"
#include "persist/config.h"
#include "persist/player.h"
#include "scenes/mainmenu.h"
#include "ui/holo_button.h"
#include "ui/interface_fixture.h"
#include "ui/sound_handler.h"

namespace {

int busyEffects() {
    return int(std::count_if(effectPool.begin(), effectPool.end(), [](const vexaTEffect& e) { return e.id != 0; }));
}

class MainmenuTest : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        resetPlayers();
        clearEffects();
        g_scene = SCENE_STORY;  // a scene with nothing to let go
    }

    void TearDown() override {
        resetPlayers();
        clearEffects();
        InterfaceTest::TearDown();
    }

    static void enter() {
        sceneMainmenu.Prepare();
        sceneHandler.FaderColor = 256;  // faded in
    }

    static void frame() {
        sceneMainmenu.Update();
        input._MausFireLeft = input._MausFireRight = 0;
    }

    static void clickHoloButton(int index) {
        const THoloButton& button = mainMenuHoloButtons[size_t(index)];
        clickAt(float(button.x), float(button.y));
    }

    static void makePlayer(int slot, const String& name) {
        players[size_t(slot)].Name = name;
        g_currentPlayer = slot;
    }
};

TEST_F(MainmenuTest, WelcomesTheDefaultPlayerOrTheCurrentOneInCapitals) {
    const String welcome = languageFile.getValue(u"welcome");
    EXPECT_EQ(welcomeLine(), upper(welcome + u" " + languageFile.getValue(u"defaultplayer")));
    makePlayer(3, u"Ada");
    EXPECT_EQ(welcomeLine(), upper(welcome) + u" ADA");
}

TEST_F(MainmenuTest, FromAnotherSceneTheMusicRestartsFromSilenceAndThePictureFadesIn) {
    config.musiklaut = 140;
    sceneMainmenu.Prepare();
    EXPECT_EQ(g_scene, SCENE_MAINMENU);
    EXPECT_EQ(g_previousScene, SCENE_STORY);
    EXPECT_EQ(config.musiklaut, 0);
    EXPECT_EQ(soundHandler.akttitle, u"ambient.ogg");
    EXPECT_EQ(sceneHandler.FaderColor, 0);
    EXPECT_EQ(input._MausOK, 1);
}

TEST_F(MainmenuTest, FromTheRoadmapTheMusicGoesOnButThePictureFadesIn) {
    g_scene = SCENE_ROADMAP;
    config.musiklaut = 140;
    sceneMainmenu.Prepare();
    EXPECT_EQ(config.musiklaut, 140);
    EXPECT_EQ(sceneHandler.FaderColor, 0);
}

TEST_F(MainmenuTest, StartWithAPlayerAsksWhetherToResume) {
    makePlayer(2, u"Ada");
    enter();
    clickHoloButton(0);
    frame();
    EXPECT_EQ(popupHandler.State, POPUP_RESUME);
}

TEST_F(MainmenuTest, ChampionsAndOptionsOpenTheirDialogs) {
    enter();
    clickHoloButton(2);
    frame();
    EXPECT_EQ(popupHandler.State, POPUP_CHAMP);
    popupHandler.runtime = 0;
    clickHoloButton(3);
    frame();
    EXPECT_EQ(popupHandler.State, POPUP_OPTIONS);
}

TEST_F(MainmenuTest, ButtonsRestUnderAnOpenDialog) {
    makePlayer(2, u"Ada");
    enter();
    openFully(POPUP_CHAMP);
    for (int button : {0, 1, 3}) {
        clickHoloButton(button);
        frame();
        EXPECT_EQ(popupHandler.State, POPUP_CHAMP) << "button " << button;
    }
    EXPECT_EQ(g_inputLayer, 2);
    clickAt(vexaTSceneMainmenu::_MENUBUTTON_X, vexaTSceneMainmenu::_MENUBUTTON_Y);
    frame();
    EXPECT_EQ(popupHandler.State, POPUP_CHAMP);
}

TEST_F(MainmenuTest, MenuButtonAsksWhetherToQuit) {
    enter();
    clickAt(vexaTSceneMainmenu::_MENUBUTTON_X, vexaTSceneMainmenu::_MENUBUTTON_Y);
    frame();
    EXPECT_EQ(popupHandler.State, POPUP_QUIT);
}

TEST_F(MainmenuTest, RightClickThrowsSparksAtThePointer) {
    enter();
    frame();
    const int before = busyEffects();
    pointTo(300, 300);
    input._MausFireRight = 1;
    frame();
    EXPECT_GT(busyEffects(), before);
}

TEST_F(MainmenuTest, ReloadingTheBackgroundKeepsItAtTheTopLeft) {
    enter();
    sceneMainmenu._imgBackground.Unload();
    sceneMainmenu._reloadBG();
    EXPECT_EQ(sceneMainmenu._imgBackground.isLoaded, 1);
    EXPECT_FLOAT_EQ(sceneMainmenu._imgBackground.X, 0);
    EXPECT_FLOAT_EQ(sceneMainmenu._imgBackground.Y, 0);
}

}  // namespace
