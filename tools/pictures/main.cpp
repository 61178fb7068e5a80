// The pictures tool: draws the game's pictures with cairo into the data folder.
// Usage: pendrel_pictures OUTPUT_FOLDER (the build folder, the game's working folder).
#include "common/tool_main.h"
#include "generators.h"

int main(int argc, char** argv) {
    return runDataTool(argc, argv, [](const std::filesystem::path& out) {
        pictures::writeBranding(out);
        pictures::writePointers(out);
        pictures::writeIcon(out);
    });
}
