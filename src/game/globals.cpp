// The shell's globals and the diagnostics log.
#include "game/globals.h"

int g_scene = 0;
int g_previousScene = 0;
int g_quit = 0;
int g_pause = -1;
int g_suspended = 0;
int g_frame = 0;
int g_fps = 0;
int g_fpsFrames = 0;
int g_fpsLastTick = 0;
int g_debug = 0;
int g_textDebug = 0;
int g_hwnd = 0;
int g_currentPlayer = -1;
int g_logCount = 0;
Timer frameTimer;
Timer playTimer;
Timer fpsTimer;

void diagLog(const String& text) {
    g_logCount += 1;
    debugLog(intToString(g_logCount) + u": " + text);
}

void resetShellGlobals() {
    g_scene = g_previousScene = g_quit = 0;
    g_pause = -1;
    g_suspended = g_frame = g_fps = g_fpsFrames = g_fpsLastTick = 0;
    g_debug = g_textDebug = g_hwnd = g_logCount = 0;
    g_currentPlayer = -1;
    frameTimer = playTimer = fpsTimer = nullptr;
}
