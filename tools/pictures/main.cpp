// The pictures tool: draws the game's pictures with cairo into the data folder.
// Usage: pendrel_pictures OUTPUT_FOLDER (the build folder, the game's working folder).
#include <cstdio>
#include <exception>

#include "generators.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path out = argv[1];
    try {
        pictures::writeBranding(out);
        pictures::writePointers(out);
        pictures::writeIcon(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pendrel_pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
