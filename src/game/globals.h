// The shell's own state, shared by the whole game: the current scene, the pause and quit
// flags, frame and fps counters, debug switches, the current player and the shell's timers.
// It lies below every other layer of the game but the platform, core and fonts, so the save
// files, the interface and the board read it without reaching up into the shell.
#pragma once

#include "platform/platform.h"

extern int g_scene;           // id of the current scene; each scene's Prepare sets it
extern int g_previousScene;   // id that was current before the last Prepare
extern int g_quit;            // 1 ends the main loop after the current frame
extern int g_pause;           // -1 running; 1 paused until a left click
extern int g_suspended;       // 0 active; 1 suspension reported; 2 suspension handled
extern int g_frame;           // frames since the game initialisation
extern int g_fps;             // frames counted during the last full second
extern int g_fpsFrames;
extern int g_fpsLastTick;
extern int g_debug;           // 1 enables the debug keys and overlay
extern int g_textDebug;       // 1 shows the text-debug banner
extern int g_hwnd;            // the game window, refreshed whenever the display is opened
extern int g_currentPlayer;   // index into the roster; -1 = no player chosen
extern int g_logCount;        // diagnostics lines written
extern Timer frameTimer;      // 40 Hz, paces the loop
extern Timer playTimer;       // 1 Hz, counts play time
extern Timer fpsTimer;        // 1 Hz, measures g_fps

// Numbered diagnostics line to the debug log.
void diagLog(const String& text);

// Puts every shell global back to its initial value; used by tests.
void resetShellGlobals();
