// The first-player flow, the main menu's player entry point and the name entry.
#include "ui/player_entry.h"

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "persist/config.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "ui/dialog_parts.h"
#include "ui/popup.h"
#include "ui/sound_handler.h"

namespace {

constexpr int NAME_MAX_CHARACTERS = 12;
constexpr int NAME_MAX_WIDTH = 140;
constexpr int CHAR_BACKSPACE = 8;
constexpr int CHAR_ENTER = 13;

// Slot 1 when it holds no profile, else the first slot without a name; 0 when every slot is
// named. Settings that name no player (a damaged or missing file) must not let the name entry
// overwrite a profile that is still there.
int firstPlayerSlot() {
    for (int slot = 1; slot <= ROSTER_LAST; ++slot)
        if (isEmptyProfile(slot)) return slot;
    return 0;
}

bool hasCurrentPlayer() { return g_currentPlayer >= 1 && g_currentPlayer <= ROSTER_LAST; }

// A character is typed only when the text font can draw it; the name stops growing at 12
// characters or once it is 140 pixels wide (the width is measured before the character).
void typeCharacter(String& name, int code) {
    if (fontText.faceEntry(code) == nullptr) return;
    if (g_nameLength >= NAME_MAX_CHARACTERS) name = left(name, NAME_MAX_CHARACTERS);
    if (fontText.GetTxtWidth(name) < NAME_MAX_WIDTH && g_nameLength < NAME_MAX_CHARACTERS) {
        name += char16_t(code);
        g_nameLength += 1;
    }
}

void eraseCharacter(String& name) {
    if (name.empty()) return;
    name.pop_back();
    g_nameLength -= 1;
}

// Keeps the name (an empty one becomes the edition's "noname"), saves it and closes.
void keepName(void (*savePlayer)()) {
    checkPlayerName();
    g_nameLength = 0;
    config.SaveToDisk();
    savePlayer();
    g_newPlayerFirst = 0;
    popupHandler.direction = POPUP_CLOSING;
    soundHandler.PlayS(SOUND_ENTERPING, 512);
}

void saveProfile() { currentPlayer().SaveToDisk(); }
void saveThroughRoster() { saveCurrentPlayer(g_currentPlayer); }

// Gives the name up: the very first player leaves no player behind; a player the manager
// began goes back to the manager with the player chosen before.
void giveUpName() {
    currentPlayer().Name.clear();
    if (g_newPlayerFirst == 1) {
        g_currentPlayer = -1;
        g_previousPlayer = -1;
        g_newPlayerFirst = 0;
        popupHandler.direction = POPUP_CLOSING;
        return;
    }
    g_currentPlayer = g_previousPlayer;
    config.SaveToDisk();
    popupHandler.pop(POPUP_MANAGER);
    popupHandler.runtime = POPUP_OPEN;
}

}  // namespace

void openNameEntry() {
    flushChars();
    popupHandler.pop(POPUP_NEWPLAYER);
}

void beginFirstPlayer(float soundX) {
    int slot = firstPlayerSlot();
    if (slot == 0) {
        g_currentPlayer = 1;
        popupHandler.pop(POPUP_MANAGER);
        return;
    }
    g_currentPlayer = slot;
    players[size_t(slot)].Name.clear();
    g_nameLength = 0;
    g_newPlayerFirst = 1;
    soundHandler.PlayS(SOUND_BUTTON1, soundX);
    openNameEntry();
}

void openPlayerEntry() {
    if (hasCurrentPlayer())
        popupHandler.pop(POPUP_MANAGER);
    else
        beginFirstPlayer(512);
}

// Enter keeps the name even while the dialog opens. While it closes, nothing more is typed, so
// the name stays as it was saved.
int vexaTPopup::NewPlayer() {
    int typed = direction == POPUP_CLOSING ? 0 : getChar();
    setScale(1, 1);
    box(POPUP_SIZE_BIG, dialogText(u"newplayer"), 0);
    imgPaperCanvas.PaintXY(512, 384);
    fontText.DrawText(dialogText(u"enterplayername"), 512, 299, 0, 1);
    String& name = currentPlayer().Name;
    if (typed == CHAR_BACKSPACE)
        eraseCharacter(name);
    else if (typed == CHAR_ENTER)
        keepName(saveProfile);
    else if (typed > 0)
        typeCharacter(name, typed);
    if (g_currentPlayer > -1) fontText.DrawText(name + u"_", 512, 363, 0, 1);
    if (dialogButtonClicked(412, 484, u"back") && runtime == POPUP_OPEN) giveUpName();
    if (dialogButtonClicked(612, 484, u"ok")) keepName(saveThroughRoster);
    return 0;
}
