// The audio tool: synthesises the game's effect sounds and music titles into the
// data folder. Usage: pendrel_audio OUTPUT_FOLDER (the build folder).
#include "common/tool_main.h"
#include "music.h"
#include "sfx.h"

int main(int argc, char** argv) {
    return runDataTool(argc, argv, [](const std::filesystem::path& out) {
        audio::writeEffects(out);
        audio::writeMusic(out);
    });
}
