// The roadmap: level points where the game draws its waypoints, and the road
// drawn under every one of them.
#include <gtest/gtest.h>

#include <cmath>

#include "art/roadmap.h"

namespace art {
namespace {

TEST(Roadmap, LevelPointsLieOnScreenAndApartInLevelOrder) {
    for (int level = 1; level <= kLevels; ++level) {
        const pictures::Point p = levelPoint(level);
        EXPECT_GE(p.x, 14) << level;  // a whole waypoint fits on the map
        EXPECT_LE(p.x, kMapWidth - 14) << level;
        EXPECT_GE(p.y, 14) << level;
        EXPECT_LE(p.y, kMapHeight - 14) << level;
        for (int other = level + 1; other <= kLevels; ++other) {
            const pictures::Point q = levelPoint(other);
            EXPECT_GE(std::hypot(p.x - q.x, p.y - q.y), 40) << level << " and " << other << " overlap";
        }
    }
    EXPECT_EQ(levelPoint(1).x, 903);
    EXPECT_EQ(levelPoint(80).y, 516);
}

TEST(Roadmap, TheRoadRunsUnderEveryLevelPoint) {
    const tools::RgbaImage map = roadmapPicture();
    ASSERT_EQ(map.width, kMapWidth);
    ASSERT_EQ(map.height, kMapHeight);
    for (int level = 1; level <= kLevels; ++level) {
        const pictures::Point p = levelPoint(level);
        // The road's bed is sand and its marks cream; whatever the light over the map, their
        // green-to-red and blue-to-red ratios set them apart from every region's ground.
        const uint8_t* pixel = &map.pixels[(size_t(p.y) * size_t(map.width) + size_t(p.x)) * 4];
        const double red = pixel[0], green = pixel[1] / red, blue = pixel[2] / red;
        EXPECT_GT(red, 90) << level;
        EXPECT_TRUE(green > 0.8 && green < 1.0 && blue > 0.45 && blue < 0.9)
            << "level " << level << " lies on " << int(pixel[0]) << "," << int(pixel[1]) << "," << int(pixel[2]);
    }
}

}  // namespace
}  // namespace art
