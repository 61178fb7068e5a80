// The roadmap: the map of the valley with its eight regions and the road that
// runs through the 80 level points in level order, and the waypoint pictures
// the game draws on those points.
#pragma once

#include <filesystem>

#include "common/image_io.h"
#include "pictures/paint.h"

namespace art {

constexpr int kLevels = 80;
constexpr int kMapWidth = 1024, kMapHeight = 768;

// Centre of the point of level 1..80 on the map, in screen pixels (the game places its
// waypoints there).
pictures::Point levelPoint(int level);

// The map picture without waypoints.
tools::RgbaImage roadmapPicture();

// A waypoint `size` px square: gold and glowing when `active`, grey otherwise; the last
// level of a chapter (`stage`) carries a gem.
tools::RgbaImage waypointPicture(int size, bool active, bool stage);

// data/roadmap/roadmap.png, and contact/roadmap_points.png: the map with every waypoint
// on its point, for review.
void writeRoadmap(const std::filesystem::path& out);

}  // namespace art
