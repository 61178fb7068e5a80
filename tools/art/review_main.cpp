// The review tool: renders sample boards and every level through the game's
// placing rules, and overview sheets of the data folder, into contact/.
// Usage: pendrel_art_review OUTPUT_FOLDER (the build folder, holding data/).
#include "common/tool_main.h"
#include "sets.h"
#include "sheet.h"

int main(int argc, char** argv) {
    return runDataTool(argc, argv, [](const std::filesystem::path& out) {
        art::writeBoardReviews(out);
        art::writeFolderSheets(out);
    });
}
