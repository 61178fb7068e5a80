// Translation from the window system's key and button numbers to the game's:
// Windows virtual-key codes and buttons 1 left, 2 right, 3 middle.
// Private to src/platform; kept apart from SDL's headers so tests can use it.
#pragma once

#include <cstdint>

// Game key code of a window-system key code, 0 for keys the game has no code for. Called by pumpEvents.
int virtualKeyFromSdl(int32_t keycode);
// Game button (1..3) of a window-system mouse button, 0 for other buttons. Called by pumpEvents.
int gameButtonFromSdl(int button);
