// Colouring of the coverage maps into layer pictures. Every face picture starts at
// the pen on the top of the line, so the glyphs of a font share one baseline; the
// border and shadow pictures carry their own offsets from the pen.
#include "layers.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "glyphs.h"

namespace fonts {

namespace {

bool isControlCode(int code) {
    return code >= 127 && code <= 159;
}

// Room added left of and above every glyph so no face pixel lies before the pen.
struct Padding {
    int x = 0;
    int y = 0;
};

Padding paddingFor(const std::vector<Glyph>& glyphs, bool withStroke) {
    Padding pad;
    for (const Glyph& glyph : glyphs) {
        for (const Coverage* part : {&glyph.face, &glyph.stroked}) {
            if (part->empty() || (part == &glyph.stroked && !withStroke)) continue;
            pad.x = std::max(pad.x, -part->left);
            pad.y = std::max(pad.y, -part->top);
        }
    }
    return pad;
}

std::uint8_t mix(std::uint8_t a, std::uint8_t b, double t) {
    return std::uint8_t(std::lround(a + (b - a) * t));
}

tools::RgbaImage blankImage(int width, int height) {
    return {width, height, std::vector<std::uint8_t>(std::size_t(width) * std::size_t(height) * 4, 0)};
}

// Writes one pixel of colour c with coverage a over what is already there.
void paintOver(tools::RgbaImage& image, int x, int y, Rgb c, double a) {
    if (a <= 0 || x < 0 || y < 0 || x >= image.width || y >= image.height) return;
    std::uint8_t* p = &image.pixels[(std::size_t(y) * std::size_t(image.width) + std::size_t(x)) * 4];
    const double below = p[3] / 255.0;
    const double out = a + below * (1 - a);
    const auto channel = [&](std::uint8_t top, std::uint8_t under) {
        return std::uint8_t(std::lround((top * a + under * below * (1 - a)) / out));
    };
    p[0] = channel(c.r, p[0]);
    p[1] = channel(c.g, p[1]);
    p[2] = channel(c.b, p[2]);
    p[3] = std::uint8_t(std::lround(out * 255));
}

// Paints a coverage map at the origin, each row in the colour colourOfRow(y) gives.
template <typename ColourOfRow>
void paintCoverage(tools::RgbaImage& image, const Coverage& coverage, int originX, int originY,
                   ColourOfRow colourOfRow) {
    for (int y = 0; y < coverage.height; ++y) {
        const int py = originY + coverage.top + y;
        const Rgb c = colourOfRow(py);
        for (int x = 0; x < coverage.width; ++x) {
            paintOver(image, originX + coverage.left + x, py, c, coverage.at(x, y) / 255.0);
        }
    }
}

// A softened copy of the map: two box blurs of the radius in each direction,
// grown by twice the radius on every side.
Coverage softened(const Coverage& sharp, int radius) {
    const int grow = 2 * radius;
    Coverage soft{sharp.width + 2 * grow, sharp.height + 2 * grow, sharp.left - grow, sharp.top - grow, {}};
    std::vector<double> values(std::size_t(soft.width) * std::size_t(soft.height), 0.0);
    for (int y = 0; y < sharp.height; ++y) {
        for (int x = 0; x < sharp.width; ++x) {
            values[std::size_t((y + grow) * soft.width + x + grow)] = sharp.at(x, y);
        }
    }
    const auto boxPass = [&](int stepX, int stepY) {
        std::vector<double> next(values.size(), 0.0);
        for (int y = 0; y < soft.height; ++y) {
            for (int x = 0; x < soft.width; ++x) {
                double sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int sx = x + k * stepX, sy = y + k * stepY;
                    if (sx >= 0 && sy >= 0 && sx < soft.width && sy < soft.height) {
                        sum += values[std::size_t(sy * soft.width + sx)];
                    }
                }
                next[std::size_t(y * soft.width + x)] = sum / (2 * radius + 1);
            }
        }
        values.swap(next);
    };
    for (int pass = 0; pass < 2; ++pass) {
        boxPass(1, 0);
        boxPass(0, 1);
    }
    soft.alpha.resize(values.size());
    std::transform(values.begin(), values.end(), soft.alpha.begin(),
                   [](double v) { return std::uint8_t(std::lround(std::min(v, 255.0))); });
    return soft;
}

LayerPicture emptyLayer(int advance) {
    return {blankImage(1, 1), 0, 0, 0, 0, advance};
}

LayerPicture facePicture(const Glyph& glyph, const FontStyle& style, Padding pad, int ascent, int descent,
                         int lineHeight) {
    int right = glyph.advance;
    if (!glyph.face.empty()) right = pad.x + glyph.face.left + glyph.face.width;
    if (style.rimInFace && !glyph.stroked.empty()) {
        right = std::max(right, pad.x + glyph.stroked.left + glyph.stroked.width);
    }
    LayerPicture layer{blankImage(std::max(1, right), lineHeight), 0, 0, right, lineHeight, glyph.advance};
    if (style.rimInFace && !glyph.stroked.empty()) {
        paintCoverage(layer.image, glyph.stroked, pad.x, pad.y, [&](int) { return style.dark; });
    }
    // Light from above: the face runs from faceTop at the top of the line to faceBottom below it.
    const auto gradient = [&](int y) {
        const double t = std::clamp(double(y - pad.y) / std::max(1, ascent + descent - 1), 0.0, 1.0);
        return Rgb{mix(style.faceTop.r, style.faceBottom.r, t), mix(style.faceTop.g, style.faceBottom.g, t),
                   mix(style.faceTop.b, style.faceBottom.b, t)};
    };
    paintCoverage(layer.image, glyph.face, pad.x, pad.y, gradient);
    return layer;
}

// A picture of one colour from a coverage map, placed by its own offset from the pen.
LayerPicture solidLayer(const Coverage& coverage, Rgb colour, double opacity, Padding pad, int advance,
                        int shiftX, int shiftY) {
    if (coverage.empty()) return emptyLayer(advance);
    LayerPicture layer{blankImage(coverage.width, coverage.height), pad.x + coverage.left + shiftX,
                       pad.y + coverage.top + shiftY, coverage.width, coverage.height, advance};
    for (int y = 0; y < coverage.height; ++y) {
        for (int x = 0; x < coverage.width; ++x) {
            paintOver(layer.image, x, y, colour, coverage.at(x, y) / 255.0 * opacity);
        }
    }
    return layer;
}

std::vector<Glyph> renderAll(const Rasterizer& rasterizer) {
    std::vector<Glyph> glyphs;
    for (int code = FIRST_CODE; code <= LAST_CODE; ++code) {
        if (isControlCode(code)) {
            glyphs.emplace_back();
            continue;
        }
        if (!rasterizer.hasGlyph(std::uint32_t(code))) {
            throw std::runtime_error("the font has no glyph for character " + std::to_string(code));
        }
        glyphs.push_back(rasterizer.render(std::uint32_t(code)));
    }
    return glyphs;
}

// Tall enough for the font's ascent and descent and for every face picture's content.
int lineHeightFor(const std::vector<Glyph>& glyphs, Padding pad, int ascent, int descent, bool withStroke) {
    int height = pad.y + ascent + descent;
    for (const Glyph& glyph : glyphs) {
        const Coverage& content = withStroke && !glyph.stroked.empty() ? glyph.stroked : glyph.face;
        if (!content.empty()) height = std::max(height, pad.y + content.top + content.height);
    }
    return height;
}

}  // namespace

FontData buildFont(const FontStyle& style) {
    const Rasterizer rasterizer(style.ttf, style.pixelSize, style.strokeRadius);
    const std::vector<Glyph> glyphs = renderAll(rasterizer);
    const Padding pad = paddingFor(glyphs, style.rimInFace);
    FontData font;
    font.lineHeight = lineHeightFor(glyphs, pad, rasterizer.ascent(), rasterizer.descent(), style.rimInFace);
    for (int code = FIRST_CODE; code <= LAST_CODE; ++code) {
        const Glyph& glyph = glyphs[std::size_t(code - FIRST_CODE)];
        GlyphLayers layers{code, facePicture(glyph, style, pad, rasterizer.ascent(), rasterizer.descent(),
                                             font.lineHeight), {}, {}};
        const Coverage& outline = glyph.stroked.empty() ? glyph.face : glyph.stroked;
        if (style.borderLayer) layers.border = solidLayer(glyph.stroked, style.dark, 1.0, pad, glyph.advance, 0, 0);
        if (style.shadowLayer) {
            const Coverage soft = outline.empty() ? outline : softened(outline, style.shadowBlur);
            layers.shadow = solidLayer(soft, {0, 0, 0}, style.shadowOpacity, pad, glyph.advance, style.shadowDx,
                                       style.shadowDy);
        }
        font.glyphs.push_back(std::move(layers));
    }
    return font;
}

}  // namespace fonts
