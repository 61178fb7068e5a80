// The level's menu and the quit question.
#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "ui/buttons.h"
#include "ui/input.h"
#include "ui/popup.h"
#include "ui/scene.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

namespace {

constexpr int GLASS_BUTTON = 3;
constexpr int DIALOG_LAYER = 2;
// The menu's "options" button is drawn in a layer that is never active, so it shows dimmed and
// never reacts, until the options dialog exists.
constexpr int UNAVAILABLE_LAYER = -1;
constexpr int CLOSING = 2;

String text(const char16_t* key) { return languageFile.getValue(key); }

bool clicked(float x, float y, int layer, const char16_t* key) {
    return textButton(x, y, GLASS_BUTTON, layer, text(key)) == BUTTON_CLICKED;
}

// Stores the running level for resuming, saves the profile and fades to the roadmap.
void leaveLevel() {
    if (g_currentPlayer > -1) {
        currentPlayer().SuspendLevel();
        currentPlayer().SaveToDisk();
    }
    sceneHandler.fade_out(SCENE_ROADMAP, 0, 0);
}

void quitGame() {
    if (g_currentPlayer > -1) currentPlayer().SaveToDisk();
    soundHandler.stop_music();
    sceneHandler.fade_out(SCENE_QUIT, 0, 0);
}

}  // namespace

// Escape continues whatever the phase, so the menu can be closed while it is still opening.
int vexaTPopup::IngameMenu() {
    setScale(1, 1);
    box(POPUP_SIZE_SMALL, text(u"menu"), 0);
    if (clicked(417, 374, DIALOG_LAYER, u"help")) {
        g_helpPage = 1;
        g_helpFromMenu = 1;
        State = POPUP_INSTRUCTIONS;
    }
    if (clicked(417, 454, DIALOG_LAYER, u"exit")) leaveLevel();
    clicked(607, 374, UNAVAILABLE_LAYER, u"options");
    if (clicked(607, 454, DIALOG_LAYER, u"continue") || input._Escape == 1) {
        direction = CLOSING;
        g_pause = -1;
        input._Escape = 0;
    }
    return 0;
}

int vexaTPopup::show_quit() {
    setScale(1, 1);
    box(POPUP_SIZE_SMALL, text(u"exitquestion"), 0);
    int lineHeight = fontText.GetFontHeight() + 4;
    float top = 384 - imgPopupSmall.H / 2 + 20 + float(2 * lineHeight);
    drawCentredText(fontText, text(u"exitsure"), 512, top);
    drawCentredText(fontText, text(u"exitsave"), 512, top + float(lineHeight));
    if ((clicked(407, 484, DIALOG_LAYER, u"back") || input._Escape == 1) && runtime == POPUP_OPEN) direction = CLOSING;
    if ((clicked(617, 484, DIALOG_LAYER, u"ok") || input._Enter == 1) && runtime == POPUP_OPEN) quitGame();
    return 0;
}
