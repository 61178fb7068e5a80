// Interim bodies of the shell's calls into subsystems still to come.
#include "app/subsystem_hooks.h"

#include "app/os_integration.h"
#include "font/game_fonts.h"
#include "game/globals.h"
#include "match3/power_up.h"
#include "persist/config.h"
#include "persist/language_file.h"
#include "persist/roster.h"
#include "platform/platform.h"
#include "scenes/mainmenu.h"
#include "scenes/roadmap.h"
#include "ui/interface_helpers.h"
#include "ui/popup.h"
#include "ui/scene.h"

void loadSettingsAndRoster() { loadRoster(specialFolderPath()); }

void prepareFrontEndAtStart() {
    sceneMainmenu._reloadBG();
    sceneRoadmap.setRoadmapCoords();
}
void lockPowerUps() {
    puReplaceAllItems._lock();
    puThrowExplosive._lock();
    puRemoveLine._lock();
    puRemoveSameItem._lock();
}

// The game never closes by itself: the window's close button asks first.
void openQuitDialog() { popupHandler.pop(POPUP_QUIT); }

// In the roadmap and the story nothing of the player is saved here.
void saveOnSuspend() {
    bool savesPlayer = g_scene <= SCENE_MAINMENU || g_scene == SCENE_MATCH3;
    if (g_currentPlayer > -1 && savesPlayer) saveCurrentPlayer(g_currentPlayer);
    config.SaveToDisk();
}

void drawPauseBox() {
    setScale(1, 1);
    popupHandler.box(POPUP_SIZE_SMALL, languageFile.getValue(u"pause"), 0);
    drawCentredLines(languageFile.getValue(u"clicktocontinue"), fontText, 512, 340);
}
