// The difficulty table that scripts/review-difficulty writes to assets/levels/difficulty.md
// (seconds of play the built-in player needs per level, fresh and with a carried profile), and
// the plot of it that the levels tool draws for review.
#pragma once

#include <string>
#include <vector>

#include "common/image_io.h"

namespace levels {

// Median seconds and the fewest and most seconds over the seeds of one way of playing.
struct PlaySeconds {
    int median = 0;
    int low = 0;
    int high = 0;
};

struct LevelDifficulty {
    int level = 0;
    PlaySeconds fresh;
    PlaySeconds carried;
};

// The rows of the table's first block ("| level | fresh moves | fresh seconds | fresh spread |
// carried moves | carried seconds | carried spread | unwon |"); other lines are passed over.
// Throws LevelError naming the file and line of a row that cannot be read.
std::vector<LevelDifficulty> parseDifficultyTable(const std::string& text, const std::string& file);

// Per level a bar of the fresh (gold) and the carried (blue) median with a whisker over the
// spread, on the tint of its chapter, with each chapter's medians as lines across it and a
// logarithmic scale of seconds at the left.
tools::RgbaImage renderDifficulty(const std::vector<LevelDifficulty>& levels);

}  // namespace levels
