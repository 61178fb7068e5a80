// The settings: display mode, music and effect volumes, the last active profile and a
// language number, kept in "settings.txt" in the save folder as six lines of integers.
#pragma once

#include "platform/platform.h"

class TConfig {
public:
    int musiklautsoll = 0;  // music volume chosen by the player, 0..280
    int musiklaut = 0;      // music volume in effect; glides towards musiklautsoll
    int soundlaut = 0;      // sound-effect volume, 0..280
    int soundlautsoll = 0;  // kept for the record layout; the game does not use it
    int sprache = 0;        // language number; stored and restored, selects nothing
    int fullscreen = 0;     // 1 full screen, 0 window
    String url;             // path of the settings file

    virtual ~TConfig() = default;
    // Stores the path of the settings file; called by the roster at start-up.
    virtual int setUrl(const String& path);
    // Reads full screen, music and effect volumes, g_currentPlayer and sprache; the music is
    // in effect at its chosen volume at once. 0 when read, -1 when there is no file (then
    // nothing changes).
    virtual int LoadFromDisk();
    // The first-start settings: full screen, volumes 140 and 210, no player, game pointer on.
    virtual int Reset();
    // Writes the six lines through a temporary file; 0 when written, -1 when it failed (the
    // old file is then untouched).
    virtual int SaveToDisk();

private:
    void writeSettings(const Stream& stream) const;
};

// The state a first start leaves: Reset's values, with the music in effect at once as after loading.
TConfig startingConfig();

// The settings of this run; they hold the starting values until a settings file is loaded.
extern TConfig config;

// Reset switches the game's own pointer back on; the pointer, which lives above the settings,
// hands in how (called once as the program starts). Until then Reset leaves the pointer alone.
void linkPointerReset(void (*enableGamePointer)());
