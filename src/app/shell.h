// The application shell: the start-up sequence, the main loop with its per-frame order,
// the input poll with suspend handling, the debug keys, the scene frame and shutdown.
#pragma once

#include <string>
#include <vector>

#include "app/options.h"
#include "platform/platform.h"

// Program entry: runs start-up, the main loop and shutdown; returns the exit code.
int runGame(const std::vector<std::string>& args);

// Start-up steps 4 to 9 without the display: globals, display check, texts, command line,
// pointer, timers, settings, fonts. Called by runGame.
void startUp(const GameOptions& options);
// Loads "data/texts/codetexts.txt"; without it an error box, and the game goes on.
void loadLanguageFileAtStart();
// Opens the window or full screen as the settings say, with the icon.
void openGameDisplay();
// The intro; with --level N the level itself, everything loaded at once.
void prepareFirstScene(const GameOptions& options);
// Switches between window and full screen; called by the options dialog.
void toggleFullScreen();
// Once per frame: input snapshot, reset key, close request, system events, suspension.
void inputPoll();
// Once per frame: F2, F3, F4 in a level while debug mode is on.
void debugKeys();
// Once per frame: counters, fader, scene update, sounds, pause screen, pointer, overlay.
void sceneFrame();
// The four lines of the debug overlay (memory, fps, popup state).
std::vector<String> debugOverlayLines();
