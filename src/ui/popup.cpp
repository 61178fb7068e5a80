// The popup handler: opening a dialog, the framed box and the per-frame dispatcher with its
// opening and closing phases.
#include "ui/popup.h"

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "persist/config.h"
#include "persist/roster.h"
#include "ui/buttons.h"
#include "ui/input.h"
#include "ui/player_manager.h"
#include "ui/sound_handler.h"

vexaTPopup popupHandler;

int popupRuntime() { return popupHandler.runtime; }

namespace {
using PreviewBody = void (*)();
constinit PreviewBody levelPreview = nullptr;
}  // namespace

void linkLevelPreview(void (*preview)()) { levelPreview = preview; }

namespace {
constexpr int DIRECTION_OPENING = 1;
constexpr int DIRECTION_CLOSING = 2;
// Below this frame rate a phase ends at once instead of taking 15 frames.
constexpr int SLOW_FPS = 28;
}  // namespace

int vexaTPopup::pop(int id) {
    if (id == POPUP_MANAGER) sortRoster();
    if (id == POPUP_QUIT) {
        if (g_scene > 0 && g_currentPlayer > -1) saveCurrentPlayer(g_currentPlayer);
        config.SaveToDisk();
    }
    g_sliderSound = 0;
    g_sliderMusic = 0;
    soundHandler.PlayS(SOUND_POPUP, 512);
    runtime = 1;
    direction = DIRECTION_OPENING;
    State = id;
    return 0;
}

vexaTBild* vexaTPopup::framePicture(int size) {
    switch (size) {
        case POPUP_SIZE_SMALL: return &imgPopupSmall;
        case POPUP_SIZE_MEDIUM: return &imgPopupMedium;
        case POPUP_SIZE_BIG: return &imgPopupBig;
        case POPUP_SIZE_MINI: return &imgPopupMini;
        default: return nullptr;
    }
}

bool vexaTPopup::answeredWhenOpen(bool clicked) const {
    return (clicked || input._Escape == 1 || input._Enter == 1) && runtime == POPUP_OPEN;
}

int vexaTPopup::box(int size, const String& title, int narrow) {
    imgPopupShadow.PaintXY(0, 0);
    if (narrow != 0) setScale(0.6f, 1);
    float titleY = 0;
    if (vexaTBild* frame = framePicture(size)) {
        frame->PaintXY(512, 384);
        titleY = 384 - frame->H / 2 + 20;
    }
    setScale(1, 1);
    drawCentredText(fontHeader, title, 512, titleY);
    return 0;
}

void vexaTPopup::finishPhase() {
    if (direction == DIRECTION_OPENING) runtime = POPUP_OPEN;
    if (direction == DIRECTION_CLOSING) {
        runtime = 0;
        g_pause = -1;
    }
}

void vexaTPopup::advancePhase() {
    if (direction == DIRECTION_OPENING && runtime < POPUP_OPEN) runtime += 1;
    if (direction == DIRECTION_CLOSING) {
        runtime -= 1;
        if (runtime == 0) g_pause = -1;
    }
}

// Ids without a dialog of their own (help, scores, map, …) show nothing; the player manager and
// its delete question have a file of their own, and the level preview is the roadmap's.
void vexaTPopup::showDialog() {
    switch (State) {
        case POPUP_QUIT: show_quit(); break;
        case POPUP_OPTIONS: IngameOptions(); break;
        case POPUP_CREDITS: Credits(); break;
        case POPUP_MANAGER: playerManager(); break;
        case POPUP_NEWPLAYER: NewPlayer(); break;
        case POPUP_DELETEPLAYER: delplayer(); break;
        case POPUP_RESUME: resumegame(); break;
        case POPUP_CHAMP: Champions(); break;
        case POPUP_ROADMAPHELP: RoadmapHelp(); break;
        case POPUP_INGAME: IngameMenu(); break;
        case POPUP_NEWGAME: NewGame(); break;
        case POPUP_INSTRUCTIONS: showinstructions(); break;
        case POPUP_STAGE:
            if (levelPreview != nullptr) levelPreview();
            break;
        default: break;
    }
}

// The dialog is drawn through its whole opening and closing phase, including the frame in which
// the closing phase reaches 0; State falls back to 0 on the frame after.
int vexaTPopup::ingameScreenMainmenu_show() {
    float alpha = getAlpha();
    if (runtime == 0) State = 0;
    if (g_fps < SLOW_FPS && runtime >= 1 && runtime < POPUP_OPEN) finishPhase();
    if (runtime > 0) {
        advancePhase();
        showDialog();
    }
    setAlpha(alpha);
    return 0;
}
