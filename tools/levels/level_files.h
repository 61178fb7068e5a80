// The compiled level data: one file of 260 little-endian int32 values per level
// (cell code - 1, row by row) and the goal table of 80 x 5 int32 values, read
// from and written to the folders the game and its sources use.
#pragma once

#include <filesystem>
#include <vector>

#include "common/image_io.h"
#include "level_source.h"

namespace levels {

constexpr int kLevelCount = 80;

// The 1040 bytes of one level file.
tools::Bytes encodeLevel(const LevelSource& level);
// The 1600 bytes of the goal table: colours 1..5 of each level in turn.
tools::Bytes encodeGoalTable(const std::vector<LevelSource>& levels);

// The whole text file; throws LevelError naming it when it cannot be read.
std::string readText(const std::filesystem::path& path);
// "level007.txt": the source file name of a level.
std::string sourceName(int number);
// "data/levels/lvla007.lvl": where the game reads a level (0 is the goal table).
std::filesystem::path levelPath(int number);

// Reads, parses and checks levels 1..80 from the source folder; throws LevelError.
std::vector<LevelSource> loadLevels(const std::filesystem::path& sourceFolder);
// Writes the 80 level files and the goal table under out/data/levels/.
void writeLevels(const std::vector<LevelSource>& levels, const std::filesystem::path& out);

}  // namespace levels
