// Telling the player that the game could not save (a full disk, a read-only save folder).
#pragma once

#include "platform/platform.h"

// Called after a save failed: the first failure of the run writes a trace line and shows
// the player a message box (headless: standard error); later ones stay quiet, so a save
// that keeps failing does not interrupt play again and again. The game goes on either way.
void reportSaveFailure(const String& path);
// Whether the player has been told in this run; tests start each case untold.
bool saveFailureReported();
void resetSaveFailureNotice();
