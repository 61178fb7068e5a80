// Draws text with the layer pictures as the game does: all shadows, then all
// borders, then all faces, the pen advancing by the face's advance plus one pixel.
#include "sheet.h"

#include <algorithm>
#include <string>

namespace fonts {

namespace {

constexpr int KERNING = 1;
constexpr int SHEET_WIDTH = 1024;
constexpr int SHEET_HEIGHT = 720;

const GlyphLayers* glyphAt(const FontData& font, char16_t code) {
    if (code < FIRST_CODE || code > LAST_CODE) return nullptr;
    return &font.glyphs[std::size_t(code - FIRST_CODE)];
}

void blend(tools::RgbaImage& canvas, const LayerPicture& layer, int x, int y) {
    for (int py = 0; py < layer.image.height; ++py) {
        for (int px = 0; px < layer.image.width; ++px) {
            const int cx = x + px, cy = y + py;
            if (cx < 0 || cy < 0 || cx >= canvas.width || cy >= canvas.height) continue;
            const std::uint8_t* src = &layer.image.pixels[std::size_t(py * layer.image.width + px) * 4];
            std::uint8_t* dst = &canvas.pixels[std::size_t(cy * canvas.width + cx) * 4];
            for (int c = 0; c < 3; ++c) dst[c] = std::uint8_t((src[c] * src[3] + dst[c] * (255 - src[3])) / 255);
        }
    }
}

enum class Pass { Shadow, Border, Face };

const LayerPicture* layerOf(const GlyphLayers& glyph, Pass pass) {
    const std::optional<LayerPicture>& extra = pass == Pass::Shadow ? glyph.shadow : glyph.border;
    if (pass == Pass::Face) return &glyph.face;
    return extra ? &*extra : nullptr;
}

void drawPass(tools::RgbaImage& canvas, const FontData& font, std::u16string_view text, int x, int y, Pass pass) {
    int pen = x;
    for (char16_t code : text) {
        const GlyphLayers* glyph = glyphAt(font, code);
        if (!glyph) continue;
        if (const LayerPicture* layer = layerOf(*glyph, pass)) {
            blend(canvas, *layer, pen + layer->offsetX, y + layer->offsetY);
        }
        pen += glyph->face.charwidth + KERNING;
    }
}

void drawText(tools::RgbaImage& canvas, const FontData& font, std::u16string_view text, int x, int y) {
    for (Pass pass : {Pass::Shadow, Pass::Border, Pass::Face}) drawPass(canvas, font, text, x, y, pass);
}

void fill(tools::RgbaImage& canvas, int top, int bottom, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            std::uint8_t* p = &canvas.pixels[std::size_t(y * canvas.width + x) * 4];
            p[0] = r, p[1] = g, p[2] = b, p[3] = 255;
        }
    }
}

// The characters 32..255 in rows of 32, one font from the given y; returns the y below.
int drawCharacterRows(tools::RgbaImage& canvas, const FontData& font, int y) {
    for (int row = FIRST_CODE; row <= LAST_CODE; row += 32) {
        std::u16string line;
        for (int code = row; code < row + 32 && code <= LAST_CODE; ++code) {
            line += char16_t(code);
            line += u' ';
        }
        drawText(canvas, font, line, 16, y);
        y += font.lineHeight;
    }
    return y;
}

int drawSamples(tools::RgbaImage& canvas, const FontData& text, const FontData& header, int y) {
    drawText(canvas, header, u"Options - Spieler - Champions", 16, y);
    y += header.lineHeight;
    drawText(canvas, text, u"Swap neighbouring gems to make rows of three. Clear the grey moss!", 16, y);
    y += text.lineHeight;
    drawText(canvas, text, u"Tausche benachbarte Edelsteine: Drei in einer Reihe. Größe, Übung, Äpfel.", 16, y);
    y += text.lineHeight;
    for (const std::u16string name : {u"Maximilianus", u"Wilhelmina W"}) {
        const std::string width = std::to_string(textWidth(text, name));
        drawText(canvas, text, name + u" = " + std::u16string(width.begin(), width.end()) + u" px", 16, y);
        y += text.lineHeight;
    }
    return y;
}

}  // namespace

int textWidth(const FontData& font, std::u16string_view text) {
    int width = 0;
    const GlyphLayers* last = nullptr;
    for (char16_t code : text) {
        if (const GlyphLayers* glyph = glyphAt(font, code)) {
            width += glyph->face.charwidth + KERNING;
            last = glyph;
        }
    }
    return last ? width + last->face.drawWidth - last->face.charwidth : width;
}

tools::RgbaImage renderSheet(const FontData& text, const FontData& header) {
    tools::RgbaImage canvas{SHEET_WIDTH, SHEET_HEIGHT,
                            std::vector<std::uint8_t>(std::size_t(SHEET_WIDTH * SHEET_HEIGHT) * 4, 0)};
    fill(canvas, 0, SHEET_HEIGHT, 24, 30, 52);
    int y = drawCharacterRows(canvas, text, 8);
    y = drawCharacterRows(canvas, header, y + 4);
    y = drawSamples(canvas, text, header, y + 8);
    // The same samples on a light panel, where a face without a border must still read.
    fill(canvas, y + 8, SHEET_HEIGHT, 196, 170, 128);
    drawSamples(canvas, text, header, y + 16);
    return canvas;
}

}  // namespace fonts
