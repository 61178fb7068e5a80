// Border pieces and column strips. Every piece is coloured from its moulding shape:
// the distance of a pixel from the board's cells sets the profile, its direction
// sets the shading (light from the top left).
#include "frame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/paint.h"

namespace art {

using pictures::Colour;
namespace palette = pictures::palette;

namespace {

Colour goldShade(double light) {
    return light >= 0 ? pictures::mix(palette::goldMid, palette::goldLight, std::min(light, 1.0))
                      : pictures::mix(palette::goldMid, palette::goldShadow, std::min(-light, 1.0) * 0.85);
}

uint32_t pack(Colour c, double alpha) {
    auto byte = [](double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return byte(c.r) | byte(c.g) << 8 | byte(c.b) << 16 | byte(alpha) << 24;
}

// The moulding's look at distance d from the board, facing direction (gx, gy):
// a dark lip, a narrow bead, a groove, a broad rounded rail, a dark edge and a soft shadow.
uint32_t moulding(const boardframe::FieldSample& f) {
    const double d = f.distance;
    if (d <= 0 || d > kBand) return 0;
    const double towardLight = -(f.gx + f.gy) * M_SQRT1_2;  // > 0 when the outside faces the light
    auto rail = [&](double from, double to) {
        const double slope = std::cos(M_PI * (d - from) / (to - from));
        return goldShade(-slope * towardLight * 0.95 + 0.15);
    };
    if (d < 1.5) return pack(palette::outline, 1.0);
    if (d < 6.5) return pack(rail(1.5, 6.5), 1.0);
    if (d < 7.5) return pack(palette::goldShadow, 1.0);
    if (d < 15.5) return pack(rail(7.5, 15.5), 1.0);
    if (d < boardframe::kSolidBand) return pack(palette::outline, 1.0);
    return pack(palette::outline, 0.45 * (kBand - d) / (kBand - boardframe::kSolidBand));
}

void paintTile(cairo_t* cr, double top) {
    pictures::Pattern body(cairo_pattern_create_linear(0, top, kCell, top + kCell));
    pictures::addStop(body.get(), 0.0, pictures::mix(palette::panel, palette::cream, 0.16), 0.90);
    pictures::addStop(body.get(), 1.0, pictures::mix(palette::panel, palette::skyTop, 0.5), 0.90);
    cairo_rectangle(cr, 0, top, kCell, kCell);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    // A soft bevel: lit along the top and left, shaded along the bottom and right.
    cairo_set_line_width(cr, 1.0);
    pictures::setColour(cr, palette::cream, 0.22);
    cairo_move_to(cr, 1.5, top + kCell - 2);
    cairo_line_to(cr, 1.5, top + 1.5);
    cairo_line_to(cr, kCell - 2, top + 1.5);
    cairo_stroke(cr);
    pictures::setColour(cr, palette::skyTop, 0.55);
    cairo_move_to(cr, 2, top + kCell - 0.5);
    cairo_line_to(cr, kCell - 0.5, top + kCell - 0.5);
    cairo_line_to(cr, kCell - 0.5, top + 2);
    cairo_stroke(cr);
    pictures::paintGlow(cr, {14, top + 12}, 22, palette::cream, 0.07);
}

}  // namespace

tools::RgbaImage borderPicture(int piece) {
    const boardframe::PieceShape& shape = boardframe::pieceShape(piece);
    tools::RgbaImage image{shape.width, shape.height, {}};
    image.pixels.reserve(shape.samples.size() * 4);
    for (const boardframe::FieldSample& sample : shape.samples) {
        const uint32_t v = moulding(sample);
        for (int shift : {0, 8, 16, 24}) image.pixels.push_back(uint8_t(v >> shift));
    }
    return image;
}

tools::RgbaImage columnStrip(int cells) {
    pictures::Canvas canvas(kCell, kCell * cells);
    for (int i = 0; i < cells; ++i) paintTile(canvas.cr(), double(i * kCell));
    return canvas.pixels();
}

}  // namespace art
