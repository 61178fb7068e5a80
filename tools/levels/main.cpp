// The levels tool: compiles assets/levels/level001.txt ... level080.txt into the
// game's level files and the goal table, and draws the review sheet and, from
// assets/levels/difficulty.md, the plot of how long the levels take to play.
// Usage: pendrel_levels OUTPUT_FOLDER [SOURCE_FOLDER]
#include <cstdio>
#include <exception>

#include "difficulty.h"
#include "level_files.h"
#include "overview.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [SOURCE_FOLDER]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const std::filesystem::path sources = argc == 3 ? argv[2] : PENDREL_LEVEL_SOURCES;
    try {
        const auto compiled = levels::loadLevels(sources);
        levels::writeLevels(compiled, out);
        tools::writePng(out / "contact/levels.png", levels::renderOverview(compiled));
        const auto table = sources / "difficulty.md";
        if (std::filesystem::exists(table)) {
            const auto rows = levels::parseDifficultyTable(levels::readText(table), "difficulty.md");
            tools::writePng(out / "contact/difficulty.png", levels::renderDifficulty(rows));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pendrel_levels: %s\n", error.what());
        return 1;
    }
    return 0;
}
