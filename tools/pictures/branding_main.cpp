// The branding tool: paints the intro pages with the words of the build's edition
// (assets/branding/intro.<language>.txt, chosen at configure time).
// Usage: pendrel_branding OUTPUT_FOLDER (the build folder, the game's working folder).
#include "branding.h"
#include "common/tool_main.h"

int main(int argc, char** argv) {
    return runDataTool(argc, argv,
                       [](const std::filesystem::path& out) { pictures::writeBranding(out, PENDREL_INTRO_FILE); });
}
