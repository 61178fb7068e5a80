// The pictures tool: draws the game's pictures without words with cairo into the data
// folder: the pointers and the window icon; beside it the launcher icons of the icon theme.
// Usage: pendrel_pictures OUTPUT_FOLDER (the build folder, the game's working folder).
#include "common/tool_main.h"
#include "generators.h"

int main(int argc, char** argv) {
    return runDataTool(argc, argv, [](const std::filesystem::path& out) {
        pictures::writePointers(out);
        pictures::writeIcon(out);
        pictures::writeThemeIcons(out, PENDREL_APP_ID);
    });
}
