// The shell's calls into subsystems that the game does not have yet (texts, settings file,
// roster, dialogs, sound handler, power-ups). Each is one named call here, so the
// shell keeps its full order; each body is replaced when its subsystem arrives.
#pragma once

// Start-up: loads the language file (an error box when it is missing).
void loadLanguageFileAtStart();
// Start-up: finds the save folder and loads the settings and the player roster.
void loadSettingsAndRoster();
// Start-up: the main menu picks its background, the roadmap computes its points.
void prepareFrontEndAtStart();
// Start-up: locks the four power-ups.
void lockPowerUps();
// The window's close button: opens the quit question.
void openQuitDialog();
// Losing the activation: saves the current player where the scene allows it, and the settings.
void saveOnSuspend();
// Losing the activation: pauses the music channel.
void pauseMusic();
// The R key in a level: story points to 0 and the power-ups locked again.
void resetStoryPointsAndPowerUps();
// Debug keys in a level: F2 adds points, F4 jumps to the last level.
void addDebugPoints();
void jumpToLastLevel();
// The sound handler's per-frame work.
void runSoundHandler();
// The pause box with its title and "click to continue".
void drawPauseBox();
// The text-debug banner and its reload key.
void drawTextDebugBanner();
void reloadLanguageFile();
// Shutdown: stops the sound handler's sound and music channels.
void stopSoundChannels();
