// The main menu scene.
#include "scenes/mainmenu.h"

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "persist/config.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "ui/buttons.h"
#include "ui/holo_button.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"
#include "ui/player_entry.h"
#include "ui/player_manager.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

vexaTSceneMainmenu sceneMainmenu;

namespace {

constexpr int KIND_METEOR_BURST = 109100;  // sparks at the pointer on a right click
constexpr float BOTTOM_BAR_BELOW = 15;     // the bottom bar's lower edge lies below the screen

enum MenuButton { BUTTON_START = 0, BUTTON_PLAYER = 1, BUTTON_CHAMPIONS = 2, BUTTON_OPTIONS = 3 };

// The player manager reloads the menu's background when it closes.
[[maybe_unused]] const bool managerLinked = [] {
    linkManagerClosed([] { sceneMainmenu._reloadBG(); });
    return true;
}();

bool clicked(MenuButton button) { return mainMenuHoloButtons[button].Tick(0) == BUTTON_CLICKED; }

void loadTopLeft(vexaTBild& picture, const String& path) {
    picture.LoadFromDisk(path, 0, -1);
    picture.setHandleTopLeft();
}

// The start button: the first player's name entry, or the question whether to resume.
void startGame() {
    if (g_currentPlayer < 0) {
        beginFirstPlayer(400);
        return;
    }
    soundHandler.PlayS(SOUND_BUTTON1, 400);
    popupHandler.pop(POPUP_RESUME);
}

}  // namespace

String welcomeLine() {
    String name = g_currentPlayer > -1 ? currentPlayer().Name : languageFile.getValue(u"defaultplayer");
    return upper(languageFile.getValue(u"welcome") + u" " + name);
}

int vexaTSceneMainmenu::Prepare() {
    _runtime = 0;
    g_previousScene = g_scene;
    leavePreviousScene();
    _reloadBG();
    loadTopLeft(_imgTopBar, u"data/ui/menuborderup.png");
    loadTopLeft(_imgBottomBar, u"data/ui/menuborderdown.png");
    _imgBottomBar.setXY(0, 768 - _imgBottomBar.H + BOTTOM_BAR_BELOW);
    g_helpPage = 1;
    input._MausOK = 1;
    popupHandler.runtime = 0;
    g_pause = -1;
    // The load screen and the roadmap already play the menu's music.
    if (g_previousScene != SCENE_ROADMAP && g_previousScene != SCENE_LOADSCREEN) {
        config.musiklaut = 0;
        soundHandler.play_music(u"ambient.ogg");
    }
    // The load screen has faded itself out.
    if (g_previousScene != SCENE_LOADSCREEN) sceneHandler.fade_in();
    g_scene = SCENE_MAINMENU;
    return 0;
}

void vexaTSceneMainmenu::leavePreviousScene() {
    switch (g_previousScene) {
        case SCENE_LOADSCREEN:
        case SCENE_MATCH3:
        case SCENE_ROADMAP:
        case SCENE_STORY:
            if (vexaTScene* scene = sceneById(g_previousScene)) scene->Leave();
            break;
        default: break;
    }
}

int vexaTSceneMainmenu::Update() {
    _runtime += 1;
    g_boardAlpha = 1;
    _imgBackground.PaintXY(0, 0);
    _imgTopBar.PaintXY(0, 0);
    _imgBottomBar.Paint();
    setScale(1, 1);
    setBlend(BLEND_ALPHA);
    setRotation(0);
    setAlpha(1);
    g_inputLayer = popupHandler.runtime > 0 ? 2 : 1;
    runHoloButtons();
    drawWelcomeLine();
    setAlpha(1);
    runMenuButton();
    popupHandler.ingameScreenMainmenu_show();
    if (input._MausFireRight != 0) installEffect(mousePointer._x, mousePointer._y, KIND_METEOR_BURST, 0, 0);
    updateEffects();
    return 0;
}

// Ticked in the order start, player, champions, options; under an open dialog the input layer
// keeps them from reacting.
void vexaTSceneMainmenu::runHoloButtons() {
    if (clicked(BUTTON_START)) startGame();
    if (clicked(BUTTON_PLAYER)) openPlayerEntry();
    if (clicked(BUTTON_CHAMPIONS)) popupHandler.pop(POPUP_CHAMP);
    if (clicked(BUTTON_OPTIONS)) popupHandler.pop(POPUP_OPTIONS);
}

void vexaTSceneMainmenu::drawWelcomeLine() { drawCentredLines(welcomeLine(), fontHeader, 512, 0); }

// The shared close button asks whether to quit; like the holo buttons it rests under a dialog.
void vexaTSceneMainmenu::runMenuButton() {
    if (closeButton(_MENUBUTTON_X, _MENUBUTTON_Y) == 1 && popupRuntime() == 0) popupHandler.pop(POPUP_QUIT);
}

int vexaTSceneMainmenu::_reloadBG() {
    _imgBackground.Unload();
    loadTopLeft(_imgBackground, u"data/bg/menubg.jpg");
    _imgBackground.setXY(0, 0);
    return 0;
}

int vexaTSceneMainmenu::Leave() {
    _runtime = 0;
    return 0;
}
