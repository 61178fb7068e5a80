// Writes small font files of glyph-layer records for the font tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "platform/platform.h"

struct GlyphLayer {
    int code = 0;
    std::string layer = "FACE";
    Pixmap picture;
    int offsetX = 0, offsetY = 0, width = 0, height = 0, advance = 0;
};

// A solid picture of one colour.
inline Pixmap solidGlyph(int width, int height, Rgba colour) {
    return Pixmap{width, height, std::vector<Rgba>(size_t(width) * size_t(height), colour)};
}

inline void appendInt(std::string& bytes, int value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(char((uint32_t(value) >> shift) & 0xFF));
}

// The bytes of a PNG file holding the picture.
inline std::string pngBytes(const Pixmap& picture, const std::string& scratchFile) {
    savePixmapPng(picture, scratchFile);
    std::ifstream file(scratchFile, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// One record: code, layer line, unused int, PNG, line end, unused int, five numbers, line end.
inline std::string fontRecord(const GlyphLayer& glyph, const std::string& scratchFile) {
    std::string bytes;
    appendInt(bytes, glyph.code);
    bytes += glyph.layer + "\r\n";
    appendInt(bytes, 0);
    bytes += pngBytes(glyph.picture, scratchFile) + "\n";
    appendInt(bytes, 0);
    for (int value : {glyph.offsetX, glyph.offsetY, glyph.width, glyph.height, glyph.advance}) appendInt(bytes, value);
    bytes += "\r\n";
    return bytes;
}
