// The review tool: renders sample boards and every level through the game's
// placing rules, and overview sheets of the data folder, into contact/.
// Usage: pendrel_art_review OUTPUT_FOLDER (the build folder, holding data/).
#include <cstdio>
#include <exception>

#include "sets.h"
#include "sheet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path out = argv[1];
    try {
        art::writeBoardReviews(out);
        art::writeFolderSheets(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pendrel_art_review: %s\n", error.what());
        return 1;
    }
    return 0;
}
