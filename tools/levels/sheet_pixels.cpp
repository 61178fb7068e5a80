// Rectangles and digits on the review sheets.
#include "sheet_pixels.h"

#include <algorithm>
#include <string>

namespace levels {

namespace {

// Rows of the digits 0..9, three bits a row, top row first.
constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigits{{{7, 5, 5, 5, 7},
                                                               {2, 6, 2, 2, 7},
                                                               {7, 1, 7, 4, 7},
                                                               {7, 1, 3, 1, 7},
                                                               {5, 5, 7, 1, 1},
                                                               {7, 4, 7, 1, 7},
                                                               {7, 4, 7, 5, 7},
                                                               {7, 1, 2, 2, 2},
                                                               {7, 5, 7, 5, 7},
                                                               {7, 5, 7, 1, 7}}};

}  // namespace

tools::RgbaImage blankSheet(int width, int height) {
    tools::RgbaImage image{width, height, {}};
    image.pixels.resize(size_t(width * height) * 4);
    fill(image, 0, 0, width, height, {0, 0, 0});
    return image;
}

void fill(tools::RgbaImage& image, int x, int y, int w, int h, Rgb colour) {
    for (int py = std::max(0, y); py < std::min(image.height, y + h); ++py) {
        for (int px = std::max(0, x); px < std::min(image.width, x + w); ++px) {
            std::uint8_t* pixel = &image.pixels[size_t(py * image.width + px) * 4];
            pixel[0] = colour.r;
            pixel[1] = colour.g;
            pixel[2] = colour.b;
            pixel[3] = 255;
        }
    }
}

void drawNumber(tools::RgbaImage& image, int x, int y, int number, int scale, Rgb colour) {
    for (char digit : std::to_string(number)) {
        const auto& rows = kDigits[size_t(digit - '0')];
        for (int row = 0; row < 5; ++row) {
            for (int bit = 0; bit < 3; ++bit) {
                if (rows[size_t(row)] & (4 >> bit)) {
                    fill(image, x + bit * scale, y + row * scale, scale, scale, colour);
                }
            }
        }
        x += 4 * scale;
    }
}

int numberWidth(int number, int scale) {
    return int(std::to_string(number).size()) * 4 * scale - scale;
}

}  // namespace levels
