// The story tool: paints the story pages with the words of the build's edition
// (assets/story/story.<language>.txt, chosen at configure time).
// Usage: pendrel_story OUTPUT_FOLDER (the build folder, the game's working folder).
#include "common/tool_main.h"
#include "sets.h"

int main(int argc, char** argv) {
    return runDataTool(argc, argv,
                       [](const std::filesystem::path& out) { art::writeStoryPages(out, PENDREL_STORY_FILE); });
}
