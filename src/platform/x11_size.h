// The size of an X window as the X server has it. Kept apart from the platform's own headers,
// whose names (Pixmap, KeyCode) Xlib's headers also use.
#pragma once

struct SDL_Window;

// False when the window is not an X window or the server does not answer.
bool x11WindowSize(SDL_Window* window, int& width, int& height);
