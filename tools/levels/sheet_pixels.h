// Plain pixel drawing for the review sheets of the levels tool: filled rectangles and a
// 3x5 digit font, on an opaque picture.
#pragma once

#include <array>
#include <cstdint>

#include "common/image_io.h"

namespace levels {

struct Rgb {
    std::uint8_t r, g, b;
};

// One tint per chapter, so each chapter reads as its region on every sheet.
constexpr std::array<Rgb, 8> kChapterTints{{{22, 44, 26},
                                            {60, 46, 22},
                                            {30, 44, 66},
                                            {62, 28, 18},
                                            {18, 52, 56},
                                            {40, 46, 62},
                                            {38, 22, 56},
                                            {52, 40, 64}}};

// A black picture of the given size.
tools::RgbaImage blankSheet(int width, int height);
// Fills the rectangle, clipped to the picture.
void fill(tools::RgbaImage& image, int x, int y, int w, int h, Rgb colour);
// Draws the number's digits from (x, y), each 3x5 squares of `scale` pixels, one square apart.
void drawNumber(tools::RgbaImage& image, int x, int y, int number, int scale = 2,
                Rgb colour = {240, 230, 210});
// Width of the number as drawNumber draws it.
int numberWidth(int number, int scale = 2);

}  // namespace levels
