// The review sheet of all levels: each level's board shape as a small map with
// its number and its five goal counts as bars, one chapter per row.
#pragma once

#include <vector>

#include "common/image_io.h"
#include "level_source.h"

namespace levels {

// Draws the sheet; levels are placed by their number, ten to a row.
tools::RgbaImage renderOverview(const std::vector<LevelSource>& levels);

}  // namespace levels
