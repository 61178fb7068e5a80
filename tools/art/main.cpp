// The art tool: draws the game's board, interface, effect and power-up pictures
// into the data folder.
// Usage: pendrel_art OUTPUT_FOLDER (the build folder, the game's working folder).
#include "common/tool_main.h"
#include "sets.h"

int main(int argc, char** argv) {
    return runDataTool(argc, argv, [](const std::filesystem::path& out) {
        art::writeBoardPictures(out);
        art::writeMatch3Interface(out);
        art::writeEffectPictures(out);
        art::writeInterfacePictures(out);
        art::writePowerUpAndBarPictures(out);
    });
}
