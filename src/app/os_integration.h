// The few operating-system services the game calls directly: the single-instance guard,
// the window icon, minimising the window and the per-user data folder.
#pragma once

#include "platform/platform.h"

// Takes the lock named after the game; a second copy ends at once with code 0, silently.
void singleInstanceGuard(const String& name);
// Lock file of the guard: $XDG_RUNTIME_DIR/NAME.lock, else /tmp/NAME-<uid>.lock.
std::string lockFilePath(const String& name);
// Sets the window's icon from the first picture of an icon file; a missing file keeps the default.
void setWindowIconFromFile(const String& file, int window);
// Minimises the game window; used when the game loses the activation.
void minimizeGameWindow(int window);
// Gives a window its minimise box; the window system already does on Linux.
void addMinimizeBox(int window);
// The per-user data folder ($XDG_DATA_HOME, else $HOME/.local/share) with a trailing
// separator, or "" when neither is known.
String specialFolderPath();
