// A review sheet of the fonts: every character and sample lines drawn the way the
// game lays text out, on a dark and on a light panel.
#pragma once

#include <string_view>

#include "common/image_io.h"
#include "layers.h"

namespace fonts {

// The unscaled width of a text as the game measures it, with the game's extra
// spacing of one pixel after every character.
int textWidth(const FontData& font, std::u16string_view text);

tools::RgbaImage renderSheet(const FontData& text, const FontData& header);

}  // namespace fonts
