// The settings the shell reads before the settings file exists in the game: only the
// display mode for now.
#pragma once

class TConfig {
public:
    int fullscreen = 0;  // 1 = full screen, 0 = window
};

extern TConfig config;
