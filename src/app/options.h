// The command line: the game's own "-v" and the options for testing, benchmarking and
// development. The option table lives in options.cpp and also prints --help.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

struct GameOptions {
    int versionRequests = 0;       // how many "-v" were given
    bool headless = false;         // offscreen drawing, virtual clock, no audio device
    bool noPixels = false;         // with headless: drawing does nothing
    int frames = 0;                // end after this frame; 0 = no limit
    std::optional<int> seed;       // random seed instead of the clock
    std::string scriptFile;        // scripted input
    bool stats = false;            // print frame statistics to stderr at exit
    std::string traceFile;         // diagnostics trace lines go here
    std::string dumpFile;          // JSON snapshot of the game state at exit
    int level = 0;                 // start in this match-3 level; 0 = the normal start
    bool autoplay = false;         // the built-in player plays through the mouse
    RendererChoice renderer = RendererChoice::Automatic;  // what draws into a window
    bool help = false;
    bool version = false;  // print the name and version and exit
};

// Reads the arguments (without the program name). Unknown arguments are ignored, as are
// options whose value is missing or not a number.
GameOptions parseOptions(const std::vector<std::string>& args);
// The option table as text for --help.
std::string optionsHelp();
