// The art tool: draws the game's board, interface and effect pictures into the
// data folder.
// Usage: pendrel_art OUTPUT_FOLDER (the build folder, the game's working folder).
#include <cstdio>
#include <exception>

#include "sets.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path out = argv[1];
    try {
        art::writeBoardPictures(out);
        art::writeMatch3Interface(out);
        art::writeEffectPictures(out);
        art::writeInterfacePictures(out);
        art::writeBackgrounds(out);
        art::writePowerUpAndBarPictures(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pendrel_art: %s\n", error.what());
        return 1;
    }
    return 0;
}
