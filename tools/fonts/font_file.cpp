// Writes the glyph-layer records of a font file, little-endian throughout.
#include "font_file.h"

namespace fonts {

namespace {

void appendInt(tools::Bytes& out, int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(bits >> shift));
}

void appendLine(tools::Bytes& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
    out.push_back('\n');
}

}  // namespace

void appendRecord(tools::Bytes& out, int code, std::string_view layerName, const LayerPicture& layer) {
    const tools::Bytes png = tools::encodePng(layer.image);
    appendInt(out, code);
    appendLine(out, layerName);
    // The two numbers the reader skips hold the picture's byte count and the count
    // of numbers that follow, which makes the file easier to inspect by hand.
    appendInt(out, int(png.size()));
    out.insert(out.end(), png.begin(), png.end());
    appendLine(out, "");
    appendInt(out, 5);
    for (int value : {layer.offsetX, layer.offsetY, layer.drawWidth, layer.drawHeight, layer.charwidth}) {
        appendInt(out, value);
    }
    appendLine(out, "");
}

tools::Bytes encodeFontFile(const FontData& font) {
    tools::Bytes out;
    for (const GlyphLayers& glyph : font.glyphs) {
        if (glyph.shadow) appendRecord(out, glyph.code, "SHADOW", *glyph.shadow);
        if (glyph.border) appendRecord(out, glyph.code, "BORDER", *glyph.border);
        appendRecord(out, glyph.code, "FACE", glyph.face);
    }
    return out;
}

}  // namespace fonts
