// Interim bodies of the shell's calls into subsystems still to come.
#include "app/subsystem_hooks.h"

#include "app/globals.h"
#include "platform/platform.h"

void loadSettingsAndRoster() {}
void prepareFrontEndAtStart() {}
void lockPowerUps() {}

// Without the quit question, closing the window ends the game.
void openQuitDialog() { g_quit = 1; }

void saveOnSuspend() {}
void drawPauseBox() {}

