// The shell's calls into subsystems that the game does not have yet (settings file and
// roster, dialogs, front-end scenes, power-ups). Each is one named call here, so the
// shell keeps its full order; each body is replaced when its subsystem arrives.
#pragma once

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
// The pause box with its title and "click to continue".
void drawPauseBox();
