// Glyph outlines rendered by FreeType into coverage maps: the letter itself and the
// letter widened by the stroker, placed relative to the pen on the top of the line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace fonts {

// One 8-bit coverage map and where its top-left pixel sits relative to the pen
// position at the top of the line (x right, y down).
struct Coverage {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    std::vector<std::uint8_t> alpha;

    bool empty() const { return width == 0 || height == 0; }
    std::uint8_t at(int x, int y) const { return alpha[std::size_t(y * width + x)]; }
};

// What FreeType gives for one character code.
struct Glyph {
    int advance = 0;
    Coverage face;
    Coverage stroked;  // the face widened by the stroke radius; empty without a stroke
};

// A TTF opened at one pixel size; renders characters by their Unicode code point.
class Rasterizer {
public:
    // Opens the font file; strokeRadius 0 renders no stroked shape. Throws on failure.
    Rasterizer(const std::filesystem::path& ttf, int pixelSize, double strokeRadius);
    ~Rasterizer();
    Rasterizer(const Rasterizer&) = delete;
    Rasterizer& operator=(const Rasterizer&) = delete;

    // Distance from the top of the line to the baseline, and from the baseline down.
    int ascent() const { return m_ascent; }
    int descent() const { return m_descent; }
    // Whether the font holds a glyph for the code point.
    bool hasGlyph(std::uint32_t code) const;
    // Renders the code point with its baseline at ascent() below the line top.
    Glyph render(std::uint32_t code) const;

private:
    struct Library;
    std::unique_ptr<Library> m_ft;
    int m_ascent = 0;
    int m_descent = 0;
};

}  // namespace fonts
