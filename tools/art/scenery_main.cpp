// The scenery tool: draws the full-screen pictures without words into the data folder:
// the chapter backgrounds and the roadmap.
// Usage: pendrel_scenery OUTPUT_FOLDER (the build folder, the game's working folder).
#include "common/tool_main.h"
#include "roadmap.h"
#include "sets.h"

int main(int argc, char** argv) {
    return runDataTool(argc, argv, [](const std::filesystem::path& out) {
        art::writeBackgrounds(out);
        art::writeRoadmap(out);
    });
}
