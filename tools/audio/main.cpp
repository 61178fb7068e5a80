// The audio tool: synthesises the game's effect sounds and music titles into the
// data folder. Usage: pendrel_audio OUTPUT_FOLDER (the build folder).
#include <cstdio>
#include <exception>
#include <filesystem>

#include "music.h"
#include "sfx.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path out = argv[1];
    try {
        audio::writeEffects(out);
        audio::writeMusic(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pendrel_audio: %s\n", error.what());
        return 1;
    }
    return 0;
}
