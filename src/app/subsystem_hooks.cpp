// Interim bodies of the shell's calls into subsystems still to come.
#include "app/subsystem_hooks.h"

#include "app/globals.h"
#include "font/game_fonts.h"
#include "platform/platform.h"

void loadLanguageFileAtStart() {}
void loadSettingsAndRoster() {}
void prepareFrontEndAtStart() {}
void lockPowerUps() {}

// Without the quit question, closing the window ends the game.
void openQuitDialog() { g_quit = 1; }

void saveOnSuspend() {}
void pauseMusic() {}
void resetStoryPointsAndPowerUps() {}
void addDebugPoints() {}
void jumpToLastLevel() {}
void runSoundHandler() {}
void drawPauseBox() {}

void drawTextDebugBanner() { fontText.DrawText(u"Babelfish! F6 = Texte neu laden", 0, 0, 1, 0); }

void reloadLanguageFile() {}
void stopSoundChannels() {}
