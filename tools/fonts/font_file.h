// The font file the game loads: a plain run of glyph-layer records (code, layer
// name line, PNG picture, five numbers), no header and nothing after the last record.
#pragma once

#include <string_view>

#include "common/image_io.h"
#include "layers.h"

namespace fonts {

// Appends one record: code, the layer name ("FACE", "BORDER" or "SHADOW") and the picture.
void appendRecord(tools::Bytes& out, int code, std::string_view layerName, const LayerPicture& layer);

// Every layer of every character of the font, shadow and border before the face.
tools::Bytes encodeFontFile(const FontData& font);

}  // namespace fonts
