// The layer pictures of a bitmap font: a light face per character, and for body
// text a dark border and a soft shadow, each with the numbers the game draws by.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "common/image_io.h"

namespace fonts {

struct Rgb {
    std::uint8_t r, g, b;
};

// How one font file looks.
struct FontStyle {
    std::filesystem::path ttf;
    int pixelSize = 16;
    double strokeRadius = 0;  // width of the border (or of the rim baked into the face)
    bool borderLayer = false;  // the stroked shape becomes a BORDER layer
    bool rimInFace = false;    // the stroked shape is painted under the face instead
    bool shadowLayer = false;
    int shadowDx = 0;
    int shadowDy = 0;
    int shadowBlur = 0;
    double shadowOpacity = 0;
    Rgb faceTop{255, 255, 255};  // face colour at the top of the line, fading to faceBottom
    Rgb faceBottom{255, 255, 255};
    Rgb dark{0, 0, 0};           // border or rim colour
};

// One layer picture and the five numbers stored after it: where its top-left corner
// sits from the pen, the drawn extent, and the advance to the next character.
struct LayerPicture {
    tools::RgbaImage image;
    int offsetX = 0;
    int offsetY = 0;
    int drawWidth = 0;
    int drawHeight = 0;
    int charwidth = 0;
};

struct GlyphLayers {
    int code = 0;
    LayerPicture face;
    std::optional<LayerPicture> border;
    std::optional<LayerPicture> shadow;
};

// All characters of one font, in code order.
struct FontData {
    int lineHeight = 0;
    std::vector<GlyphLayers> glyphs;
};

// First and last character code of every font: Latin-1 without the control codes below 32.
constexpr int FIRST_CODE = 32;
constexpr int LAST_CODE = 255;

// Renders every character of the style. Codes 127..159 are control codes in Latin-1:
// they get empty pictures and no advance. Throws when the font lacks a printable one.
FontData buildFont(const FontStyle& style);

}  // namespace fonts
